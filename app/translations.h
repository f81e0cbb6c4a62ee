#pragma once

#include "common/language.h"

class QApplication;
class QCoreApplication;

// Installs the texts of `language`: for Chinese, Qt's own Chinese texts (standard buttons,
// dialogs) from the distribution's Qt translations; for English, the program's English
// translation, Qt's own texts staying English. False when a translation could not be loaded; the
// texts it would have replaced then stay.
bool loadTranslations(QCoreApplication &app, Language language);

// Where the log asks for quillon.layout's warnings, from now on each window shown with a text that
// its control has no room for tells the log which: what a translation has to shorten.
void reportClippedTexts(QApplication &app);
