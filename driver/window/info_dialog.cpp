#include "info_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "driver_app.h"
#include "vr_versions.h"

namespace lumisim {

namespace {

// The dialog's layout in dialog units of its 8-point font: 1.5 pixels
// across and 1.625 down.
QRect units(int x, int y, int w, int h) { return QRect(x * 3 / 2, y * 13 / 8, w * 3 / 2, h * 13 / 8); }

void placeText(QDialog *dialog, const QString &text, int x, int y, const char *name) {
    auto *label = new QLabel(text, dialog);
    label->setObjectName(QLatin1String(name));
    label->move(units(x, y, 0, 0).topLeft());
    label->adjustSize();
}

}  // namespace

CLumisimInfoDlg::CLumisimInfoDlg() : QDialog(nullptr) {
    setObjectName(QStringLiteral("CLumisimInfoDlg"));
    setWindowTitle(QStringLiteral("Info"));
    const QIcon icon = lumisimIcon();
    setWindowIcon(icon);
    setFixedSize(units(0, 0, 316, 84).size());

    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("icon"));
    iconLabel->setGeometry(units(18, 18, 20, 20));
    iconLabel->setPixmap(icon.pixmap(32, 32));

    placeText(this, QStringLiteral("Win32-Treiber für Vantrel-Grafikbibliothek"), 78, 12, "product");
    placeText(this, QStringLiteral("Version " DDRV_LUMISIM_VERSION_STRING), 78, 30, "version");
    placeText(this, QStringLiteral("Norvane"), 78, 48, "vendor");

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(units(258, 60, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace lumisim
