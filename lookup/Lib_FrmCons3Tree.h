#pragma once
// The tree lookup: the rows of a code/description query shown as a tree, either the
// article families (parents worked out by the database) or any table whose codes nest
// by prefix. Returns the chosen code, or every ticked code.
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/vb/Variant.h"
#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

class Lib_FrmCons3Tree : public QDialog {
    Q_OBJECT
public:
    explicit Lib_FrmCons3Tree(QWidget* parent = nullptr);
    ~Lib_FrmCons3Tree() override;

    // --- Public fields, set by the opener before the load and read after the form hides ---
    QString SQL;
    QString CampoDevuelto;
    Coleccion CmpsDevueltos;
    bool CheckBoxes = false;
    QString gConnString;
    vb::Variant ValorDevuelto;
    QString FiltroInicial;
    QString CampoBusqueda;
    bool OrdenarPorLwv = false;
    Coleccion Valores;
    Coleccion Cantidades;
    bool UsaCantidades = false;

    // --- Controls ---
    QTreeWidget* TreeV = nullptr;
    QList<QComboBox*> CmbSearch;
    QWidget* picFields = nullptr;
    QLabel* lblFieldName = nullptr;
    QFrame* Frame1 = nullptr;
    QPushButton* CmdAceptar = nullptr;
    QPushButton* CmdCancelar = nullptr;
    QPushButton* CmdNueva = nullptr;

    // --- Methods ---
    void ArmarTreeVFamilias();

    // --- Event procedures ---
    void Form_Load();
    void Form_Unload();
    void CmdAceptar_Click();
    void CmdCancelar_Click();
    void CmdNueva_Click();
    void CmbSearch_KeyDown(int Index, int& KeyCode, int Shift);
    void CmbSearch_Change(int Index);
    void CmbSearch_Click(int Index);
    void TreeV_NodeCheck(QTreeWidgetItem* Node);
    void TreeV_DblClick();

    // --- What the opener and the tests look at ---
    // The nodes in the order they were added, the root first.
    const QList<QTreeWidgetItem*>& Nodes() const { return nodes_; }
    // The node of a key ("A" and the code); nullptr when none.
    QTreeWidgetItem* Node(const QString& key) const;
    static QString Key(const QTreeWidgetItem* node);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void ArmarTreeVAutomatico();
    // Clears the tree and adds the root; false when the query gave no rows to add.
    bool startTree(QVector<QVector<vb::Variant>>& rows, const QString& routine);
    void clearNodes();
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    // The column as wide as the widest node, its indentation counted.
    void fitColumn();
    void setDescendants(QTreeWidgetItem* node, Qt::CheckState state, int depth);
    QString selectedCode() const;

    QList<QTreeWidgetItem*> nodes_;
    QHash<QString, QTreeWidgetItem*> byKey_;
    QString filterBase_;
    QString filterTail_;
    QStringList familyFilters_;   // words of each F5 on the family tree
    bool building_ = false;
};

// Shows the tree lookup for the driver: the statement, the column to return and the
// check-box switch in, the choice out.
void MuestraConsultaArbol(ConsultaArbol& tree);
