#pragma once

class QCoreApplication;
class QTranslator;

// Makes Qt's own dialogs and buttons (file, colour and font choosers, message box buttons)
// speak Japanese like the rest of the program, from Qt's translations on the system, and
// makes Japanese the default locale whatever the system's.
// The installed translator, owned by app; null when the system has none.
QTranslator* InstallJapaneseQtTexts(QCoreApplication& app);
