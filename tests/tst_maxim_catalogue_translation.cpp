// SPDX-License-Identifier: GPL-3.0-or-later
#include "chinese_maxims.h"
#include "japanese_maxims.h"
#include "maxim_word.h"
#include "maxim_word_ja.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The catalogues translate their texts once, at the first lookup. This test
// has its own process so that nothing has looked a maxim up before it starts.

namespace {

// Counts the translations asked for the catalogue texts of one context.
class Counting_Translator : public QTranslator
{
public:
    Counting_Translator(const char *context, const char *const *source, int count)
        : context(context)
    {
        for (int k = 0; k < 2 * count; ++k)
            catalogue_texts.insert(QByteArray(source[k]));
    }

    QString translate(const char *asked_context, const char *source_text,
        const char *disambiguation, int n) const override
    {
        if (qstrcmp(asked_context, context) == 0 && catalogue_texts.contains(source_text))
            ++calls;
        return QTranslator::translate(asked_context, source_text, disambiguation, n);
    }

    mutable int calls = 0;

private:
    const char *context;
    QSet<QByteArray> catalogue_texts;
};

// Writes a small catalogue and compiles it with lrelease.
QString compile_catalogue(const QTemporaryDir &folder, const QString &name, const QString &context,
    const QString &source, const QString &translation)
{
    const QString ts_path = folder.filePath(name + QStringLiteral(".ts"));
    const QString qm_path = folder.filePath(name + QStringLiteral(".qm"));
    QFile ts(ts_path);
    if (!ts.open(QIODevice::WriteOnly | QIODevice::Text))
        return QString();
    ts.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                            "<TS version=\"2.1\" language=\"ja_JP\">\n<context>\n"
                            "<name>%1</name>\n<message>\n<source>%2</source>\n"
                            "<translation>%3</translation>\n</message>\n</context>\n</TS>\n")
                 .arg(context, source, translation)
                 .toUtf8());
    ts.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(LRELEASE_PROGRAM),
        {QStringLiteral("-silent"), ts_path, QStringLiteral("-qm"), qm_path});
    if (!lrelease.waitForFinished(60000) || lrelease.exitCode() != 0)
        return QString();
    return qm_path;
}

} // namespace

class Tst_Maxim_Catalogue_Translation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void translator_before_first_lookup_is_used_once();
    void translator_after_first_lookup_changes_nothing();

private:
    QTemporaryDir folder;
    Counting_Translator chinese_before {"Maxim_Word", chinese_maxim_source, chinese_maxim_count};
    Counting_Translator japanese_before {
        "Maxim_Word_Ja", japanese_maxim_source, japanese_maxim_count};
    QTranslator chinese_after;
    QTranslator japanese_after;
};

void Tst_Maxim_Catalogue_Translation::initTestCase()
{
    QVERIFY(folder.isValid());
    const QString chinese_qm
        = compile_catalogue(folder, QStringLiteral("chinese_before"), QStringLiteral("Maxim_Word"),
            QStringLiteral("Hijyouhatokunomotonari"), QStringLiteral("卑譲は徳の基なり"));
    const QString japanese_qm = compile_catalogue(folder, QStringLiteral("japanese_before"),
        QStringLiteral("Maxim_Word_Ja"), QStringLiteral("1.Omoitukuhito"),
        QStringLiteral("1.思いつく人"));
    const QString chinese_later
        = compile_catalogue(folder, QStringLiteral("chinese_after"), QStringLiteral("Maxim_Word"),
            QStringLiteral("taiki ha bannseisu"), QStringLiteral("大器は晩成す"));
    const QString japanese_later = compile_catalogue(folder, QStringLiteral("japanese_after"),
        QStringLiteral("Maxim_Word_Ja"), QStringLiteral("Hitto gaderuto"),
        QStringLiteral("ヒットが出ると"));
    QVERIFY(chinese_before.load(chinese_qm));
    QVERIFY(japanese_before.load(japanese_qm));
    QVERIFY(chinese_after.load(chinese_later));
    QVERIFY(japanese_after.load(japanese_later));
    QVERIFY(!chinese_after.isEmpty());
}

void Tst_Maxim_Catalogue_Translation::translator_before_first_lookup_is_used_once()
{
    QVERIFY(QCoreApplication::installTranslator(&chinese_before));
    QVERIFY(QCoreApplication::installTranslator(&japanese_before));
    QCOMPARE(chinese_before.calls, 0);

    Maxim_Word first;
    QCOMPARE(first.Get_Maxim_Text(0, 0), QStringLiteral("卑譲は徳の基なり"));
    QCOMPARE(first.Get_Maxim_Text(0, 1), QStringLiteral("Kenjyou koso Toku no kihon de aru"));
    QCOMPARE(chinese_before.calls, 2 * chinese_maxim_count);

    Maxim_Word_Ja first_ja;
    QCOMPARE(first_ja.Get_Maxim_Text(0, 0), QStringLiteral("1.思いつく人"));
    QCOMPARE(japanese_before.calls, 2 * japanese_maxim_count);

    // A second window and every lookup on it use the filled cache.
    Maxim_Word second;
    Maxim_Word_Ja second_ja;
    for (int n = 0; n < chinese_maxim_count; ++n)
        QCOMPARE(second.Get_Maxim_Text(n, 0), first.Get_Maxim_Text(n, 0));
    for (int n = 0; n < japanese_maxim_count; ++n)
        QCOMPARE(second_ja.Get_Maxim_Text(n, 1), first_ja.Get_Maxim_Text(n, 1));
    QCOMPARE(second.Get_Maxim_Text(0, 0), QStringLiteral("卑譲は徳の基なり"));
    QCOMPARE(chinese_before.calls, 2 * chinese_maxim_count);
    QCOMPARE(japanese_before.calls, 2 * japanese_maxim_count);
}

void Tst_Maxim_Catalogue_Translation::translator_after_first_lookup_changes_nothing()
{
    Maxim_Word chinese;
    Maxim_Word_Ja japanese;
    QCOMPARE(chinese.Get_Maxim_Text(0, 0), QStringLiteral("卑譲は徳の基なり"));

    QCoreApplication::removeTranslator(&chinese_before);
    QCoreApplication::removeTranslator(&japanese_before);
    QVERIFY(QCoreApplication::installTranslator(&chinese_after));
    QVERIFY(QCoreApplication::installTranslator(&japanese_after));
    // The translators work, but the catalogues no longer ask them.
    QCOMPARE(QCoreApplication::translate("Maxim_Word", "taiki ha bannseisu"),
        QStringLiteral("大器は晩成す"));

    QCOMPARE(chinese.Get_Maxim_Text(0, 0), QStringLiteral("卑譲は徳の基なり"));
    QCOMPARE(chinese.Get_Maxim_Text(63, 0), QStringLiteral("taiki ha bannseisu"));
    QCOMPARE(japanese.Get_Maxim_Text(0, 0), QStringLiteral("1.思いつく人"));
    QCOMPARE(japanese.Get_Maxim_Text(0, 1), QStringLiteral("Hitto gaderuto"));
    Maxim_Word later;
    QCOMPARE(later.Get_Maxim_Text(63, 0), QStringLiteral("taiki ha bannseisu"));

    QCoreApplication::removeTranslator(&chinese_after);
    QCoreApplication::removeTranslator(&japanese_after);
}

QTEST_MAIN(Tst_Maxim_Catalogue_Translation)
#include "tst_maxim_catalogue_translation.moc"
