// SPDX-License-Identifier: GPL-3.0-or-later
#include "maxim/maxim_catalogue.h"

#include <QCoreApplication>

QString Maxim_Catalogue::text(int number, int column)
{
    if (!filled) {
        filled = true;
        cache.reserve(2 * maxims);
        for (int k = 0; k < 2 * maxims; ++k)
            cache.push_back(QCoreApplication::translate(context, source[k]));
    }
    if (number < 0 || number >= maxims || column < 0 || column > 1)
        return QString();
    return cache[2 * number + column];
}
