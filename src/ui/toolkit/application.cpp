// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolkit/application.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include "ui/version.h"

namespace ui {
namespace {

class FirstPaintQuit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint event has been handled, so the frame is really drawn.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

QTranslator *loadQtTranslation(QApplication &application, const QLocale &locale) {
    // Qt's own texts (the buttons of message boxes, the context menus of edit boxes) come in
    // English unless its translation is loaded; the program's texts are Chinese already.
    auto *translator = new QTranslator(&application);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QApplication::installTranslator(translator);
    return translator;
}

void setUpApplication(QApplication &application) {
    // Where QSettings keeps what the editor remembers.
    QApplication::setOrganizationName(QStringLiteral("Veltrane"));
    QApplication::setApplicationName(QStringLiteral("Veltrane"));
    QApplication::setApplicationVersion(QStringLiteral(VELTRANE_VERSION));
    // The launcher's name, so the desktop shows the program's icon and groups its windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.veltrane.Veltrane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.veltrane.Veltrane.png")));
    loadQtTranslation(application, QLocale());
    QFont font;
    font.setFamilies({QStringLiteral("Microsoft YaHei UI"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(12);
    application.setFont(font);
    // Group box titles sit on the frame line, as in the layouts the positions come from;
    // a frame below the title would run through the first row of controls.
    application.setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid #c8c8c8; border-radius: 3px; margin-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 2px; }"));
}

void quitAfterFirstPaint(QWidget *window) {
    window->installEventFilter(new FirstPaintQuit(window));
}

} // namespace ui
