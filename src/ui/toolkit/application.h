// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QWidget;
class QLocale;
class QTranslator;

namespace ui {

// Installs Qt's translation of its own texts for the locale's language, from Qt's
// translations folder, owned by the application; nothing when that folder holds none for it
// (then they stay English).
QTranslator *loadQtTranslation(QApplication &application, const QLocale &locale);

// The look every window was laid out for: a 12-pixel CJK font, so captions such as
// "怪物编号:" fit their 56-pixel labels.
void setUpApplication(QApplication &application);

// Ends the event loop once the window has painted its first frame, so that start-up can be
// measured from the outside (tools/startup-ratio.sh).
void quitAfterFirstPaint(QWidget *window);

} // namespace ui
