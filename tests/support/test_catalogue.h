// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEST_CATALOGUE_H
#define TEST_CATALOGUE_H

#include <QList>
#include <QPair>
#include <QString>
#include <QTranslator>
#include <memory>

// Compiles a small catalogue of (source, translation) pairs in one context
// with lrelease and installs it; it stays installed while the translator
// lives. Null if the catalogue could not be made.
std::unique_ptr<QTranslator> install_test_catalogue(
    const char *context, const QList<QPair<QString, QString>> &entries);

#endif // TEST_CATALOGUE_H
