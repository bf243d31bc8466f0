// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAXIM_CATALOGUE_H
#define MAXIM_CATALOGUE_H

#include <QString>
#include <cstddef>
#include <vector>

// One maxim table with its translated texts. The whole table is translated at
// the first lookup and kept for the rest of the run, so later lookups cost no
// translation and a translator installed afterwards changes nothing.
class Maxim_Catalogue
{
public:
    // source holds the heading and the text of each maxim, in that order.
    template<std::size_t size>
    Maxim_Catalogue(const char *context, const char *const (&source)[size])
        : context(context), source(source), maxims(int(size / 2))
    {
        static_assert(size % 2 == 0, "a heading and a text for every maxim");
    }

    int count() const { return maxims; }

    // The text of entry number, column 0 (heading) or 1 (text); empty outside
    // the table.
    QString text(int number, int column);

private:
    const char *context;
    const char *const *source;
    int maxims;
    bool filled = false;
    std::vector<QString> cache;
};

#endif // MAXIM_CATALOGUE_H
