// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef JAPANESE_CATALOGUE_H
#define JAPANESE_CATALOGUE_H

#include <QLocale>

class QTranslator;

// On a Japanese system, loads zelvane_ja from the working directory (or else
// from the installed data folder) into the translator and installs it, even
// when the file is missing (the texts then stay untranslated). A catalogue
// that is there but damaged or unreadable is not loaded, and one line on
// standard error names it and says the texts are shown in English. Any other
// language loads and installs nothing. Returns whether the translator was
// installed.
bool Install_Japanese_Catalogue(QTranslator &translator, const QLocale &locale = QLocale::system());

// On a Japanese system, loads the toolkit's own Japanese texts (the context
// menus of text areas, standard dialogs) from the Qt installation into the
// translator and installs it. Returns whether they were installed.
bool Install_Toolkit_Catalogue(QTranslator &translator, const QLocale &locale = QLocale::system());

#endif // JAPANESE_CATALOGUE_H
