// A plain connection dialog, used until a richer form installs itself.
#include "data/AccessDialog.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace data {

namespace {

AccessDialogFactory& factory()
{
    static AccessDialogFactory f;
    return f;
}

std::unique_ptr<QDialog> plainDialog()
{
    auto dialog = std::make_unique<QDialog>();
    dialog->setObjectName(QStringLiteral("frmAcceso"));
    dialog->setWindowTitle(QStringLiteral("Conexión a la base de datos"));
    dialog->setProperty("Aceptar", false);
    auto* form = new QFormLayout(dialog.get());
    auto addBox = [&](const char* name, const QString& label, bool secret = false) {
        auto* box = new QLineEdit(dialog.get());
        box->setObjectName(QString::fromLatin1(name));
        if (secret)
            box->setEchoMode(QLineEdit::Password);
        form->addRow(label, box);
    };
    auto* platform = new QComboBox(dialog.get());
    platform->setObjectName(QStringLiteral("CboPlataformaDB"));
    platform->addItems({QStringLiteral("SQL Server"), QStringLiteral("Oracle")});
    form->addRow(QStringLiteral("Plataforma"), platform);
    addBox("TxtServidor", QStringLiteral("Servidor"));
    addBox("TxtDbName", QStringLiteral("Base de datos"));
    addBox("TxtUserId", QStringLiteral("Usuario"));
    addBox("TxtUserPassword", QStringLiteral("Contraseña"), true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog.get());
    form->addRow(buttons);
    QDialog* d = dialog.get();
    QObject::connect(buttons, &QDialogButtonBox::accepted, d, [d] { d->setProperty("Aceptar", true); d->accept(); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, d, [d] { d->setProperty("Aceptar", false); d->reject(); });
    return dialog;
}

} // namespace

std::unique_ptr<QDialog> CreateAccessDialog()
{
    return factory() ? factory()() : plainDialog();
}

void SetAccessDialogFactory(AccessDialogFactory f)
{
    factory() = std::move(f);
}

} // namespace data
