// The about panel's two links: their hover looks and what a click opens.

#include <QLabel>
#include <QUrl>

#include "AboutLinks.h"
#include "UnitMain.h"

void TForm1::SetLinkLook(QLabel* link, bool hovered) {
    QFont font = link->font();
    font.setUnderline(!hovered);
    link->setFont(font);
    QPalette colours = link->palette();
    colours.setColor(QPalette::WindowText, hovered ? QColor(255, 0, 0) : QColor(0, 0, 128));
    link->setPalette(colours);
}

void TForm1::LabelMailMouseMove() {
    SetLinkLook(LabelMail, true);
    SetLinkLook(LabelURL, false);
}

void TForm1::LabelURLMouseMove() {
    SetLinkLook(LabelURL, true);
    SetLinkLook(LabelMail, false);
}

void TForm1::Panel4MouseMove() {
    SetLinkLook(LabelMail, false);
    SetLinkLook(LabelURL, false);
}

void TForm1::LabelMailClick() {
    if (FSeams.openUrl) FSeams.openUrl(QUrl(QStringLiteral("mailto:") + kMakerMail));
}

void TForm1::LabelURLClick() {
    if (FSeams.openUrl) FSeams.openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
}
