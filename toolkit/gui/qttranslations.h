// Qt's own texts in the interface language: what Qt itself writes (the file
// dialog's "Look in:" and "File name:", its buttons, the context menu of a
// text field) follows the programs' language, at start and at each switch.
#pragma once

// Installs Qt's translations for language (1: French) in the application,
// or takes them away for English. Looked for in Qt's own translations folder
// (Debian: qt6-translations-l10n), then in translations/ beside the program
// (a copy carried with it). Returns false when French was asked for and no
// translation was found: Qt's texts then stay English.
bool followInterfaceLanguageInQt(int language);
