#pragma once
// The column chooser: the operator ticks the columns of a list to show and puts them in
// order; the caller reads the choice back as texts.
#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

class FrmCampos : public QDialog {
    Q_OBJECT
public:
    explicit FrmCampos(QWidget* parent = nullptr);
    ~FrmCampos() override;

    // --- Public fields ---
    QString gCampos;       // in: every column followed by "|", the last one fixed; consumed by the load
    QString gCamposOrden;  // out: every column in the list's order, then the fixed one
    QString gCamposSel;    // in/out: the chosen columns in order, then the fixed one
    QString gOrdinalSel;   // in/out: the chosen positions, each followed by "|"
    bool cancelar = false; // out: the operator closed the window

    // --- Controls ---
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* LstLista = nullptr;
    QListWidget* LstCampos = nullptr;
    QPushButton* CmdAll = nullptr;
    QPushButton* CmdAplica = nullptr;
    QPushButton* cmdTodos = nullptr;
    QPushButton* cmdAplicar = nullptr;
    QToolButton* ImgSube = nullptr;
    QToolButton* ImgSubir = nullptr;
    QToolButton* ImgBaja = nullptr;
    QToolButton* ImgBajar = nullptr;
    QToolButton* ImgCancelar = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* shpSubir = nullptr;
    QFrame* shpBajar = nullptr;

    // --- Event procedures ---
    void Form_Load();
    void CmdAplica_Click();
    void CmdAll_Click();
    void cmdAplicar_Click();
    void cmdTodos_Click();
    void ImgSube_Click();
    void ImgSubir_Click();
    void ImgBaja_Click();
    void ImgBajar_Click();
    void ImgCancelar_Click();

    // --- What the tests look at ---
    QString CampoFijo() const { return fixed_; }
    int Shape1State() const { return shape1State_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void reject() override;

private:
    void moveUp(bool keepSelected);
    void moveDown(bool keepSelected);
    void setShape1(int state);
    // Writes the outputs from the chosen items (texts in list order), then hides.
    void apply(const QStringList& names, const QList<bool>& chosen, int firstPosition);

    QString fixed_;
    bool hasFixed_ = false;
    bool loaded_ = false;
    int shape1State_ = 0;
};
