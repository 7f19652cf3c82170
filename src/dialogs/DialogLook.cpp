#include "DialogLook.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStringList>

namespace dialogs {

QFont DialogFont(int pixelSize, bool bold) {
    QFont font;
    // Liberation Sans keeps the narrow letter widths the captions were laid out for.
    font.setFamilies(QStringList{"Liberation Sans", "Arial", "DejaVu Sans", "Nimbus Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void MakeFixedDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowTitle(caption);
    dialog.setFixedSize(width, height);
    dialog.setSizeGripEnabled(false);
}

void KeepLightFace(QWidget& window) {
    if (window.palette().color(QPalette::Window).lightnessF() >= 0.5)
        return;
    window.setPalette(QPalette(QColor(240, 240, 240)));
}

void CenterOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

QFrame* MakeBevel(QWidget* parent, const QRect& place) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(place);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

}  // namespace dialogs
