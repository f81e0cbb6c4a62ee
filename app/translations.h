#pragma once

class QCoreApplication;

// Loads Qt's own Chinese texts (standard buttons, dialogs) from the distribution's Qt
// translations, whatever the user's locale: the rest of the program speaks Chinese too.
// False when the translations are not installed; Qt's English texts then stay.
bool loadQtChinese(QCoreApplication &app);
