// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/zelvane_test.h"

#include "core/time_source.h"

#include <unistd.h>

QList<QStringList> table(const char *rows)
{
    QList<QStringList> found;
    for (const QString &row : QString::fromUtf8(rows).split('\n', Qt::SkipEmptyParts))
        found << row.split('|');
    return found;
}

void table_data(const char *rows)
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList &row : table(rows))
        QTest::newRow(qPrintable(row[0])) << row;
}

QStringList fortune_grade(int grade)
{
    static const QList<QStringList> grades = table(R"(
Daikichi|Beleave my self|Take your pick|Lose something get anything|Thinking will work out all right
Chu kichi|feeling achivement|many chances|Only get out|Natural solve the probrem
shoukichi|effort the everyday|you close attention|extra income feel|Wait the help
Kichi|effort the everyday|Brush the my hurt is Kich|escape the suquare|Discretion is the better part of valor
Hankichi|Your efforts will pay off|your effort dipendents having is kichi|A standstill|You have to humility
Suekichi|Your efforts will pay off|you close attention|inconstancy|when calm down is kichi
Sue-shoukichi|Matters took a turn for the worth|It has beleave is kichi|you will bless the penny|pull step
Kyou|you have pure luck|Matters took a turn for the worth|small income,big outgo|when calm down is kichi
Shoukyou|injustice has taboo|you close attention|you will bless the penny|Only get out#trouble: walk away from it
Hankyou|survive for your self|it unexpected the encounter|Only get out|Natural solve the probrem
Suekyou|injustice has taboo|you can't be too ambitious|unexpect outgo is carefully|unruly
Daikyou|You need not expect|Lover alarm|outgo at great|Good luck)");
    return grades.value(grade - 1);
}

const QStringList result_labels {
    "unsei_label", "study_label", "lover_label", "money_label", "trouble_label"};

QString fortune_result(int grade)
{
    const QStringList row = fortune_grade(grade);
    return QStringLiteral("%1|Study:%2|lover:%3|money:%4|trouble:%5")
        .arg(row[0], row[1], row[2], row[3], row[4].section('#', 0, 0));
}

void stand_clock_at(const QDateTime &moment)
{
    Time_Source::set_reader([moment] { return moment; });
}

void take_down_clocks()
{
    QWidgetList clocks = QApplication::topLevelWidgets();
    clocks.removeIf([](QWidget *window) { return !window->inherits("Date_Time_Screen"); });
    qDeleteAll(clocks);
    Time_Source::set_reader({});
}

Output_Capture::Output_Capture() : saved_fd(dup(STDOUT_FILENO)), file(std::tmpfile())
{
    std::fflush(stdout);
    dup2(fileno(file), STDOUT_FILENO);
}

Output_Capture::~Output_Capture()
{
    all();
    dup2(saved_fd, STDOUT_FILENO);
    // Passed on, so nothing printed meanwhile is lost from the log.
    (void)!write(STDOUT_FILENO, printed.constData(), size_t(printed.size()));
    close(saved_fd), std::fclose(file);
}

const QByteArray &Output_Capture::all()
{
    std::fflush(stdout);
    char buffer[4096];
    for (ssize_t n; (n = pread(fileno(file), buffer, sizeof buffer, printed.size())) > 0;)
        printed.append(buffer, n);
    return printed;
}

QStringList Output_Capture::take_lines()
{
    QString lines = QString::fromUtf8(all().mid(std::exchange(taken, printed.size())));
    return lines.remove(QRegularExpression("(?m)^Q(WARN|DEBUG|INFO|SYSTEM) .*\n"))
        .split('\n', Qt::SkipEmptyParts);
}

QWidget *window_of(const char *class_name)
{
    QWidgetList found = QApplication::topLevelWidgets();
    found.removeIf(
        [&](QWidget *window) { return !window->inherits(class_name) || !window->isVisible(); });
    return found.size() == 1 ? found[0] : nullptr;
}

QString look(const QWidget *window)
{
    return QString::asprintf("%d,%d %dx%d%s", window->x(), window->y(), window->width(),
        window->height(), window->windowFlags() & Qt::WindowStaysOnTopHint ? " on top" : "");
}

QWidget *open_menu(Date_Time_Screen *&clock)
{
    if (!clock)
        (clock = new Date_Time_Screen)->show();
    QTest::mouseClick(clock, Qt::RightButton);
    return window_of("Right_Menu");
}

void press(QWidget *window, const QString &name)
{
    auto *target = window ? window->findChild<QWidget *>(name) : nullptr;
    QVERIFY2(target, qPrintable(name));
    // A radio button takes clicks on its mark and its text only.
    QTest::mouseClick(target, Qt::LeftButton, {},
        target->inherits("QRadioButton") ? QPoint(8, 8) : target->rect().center());
}

QString texts(const QWidget *window, const QStringList &names)
{
    QStringList found;
    for (const QString &name : names)
        if (QObject *child = window->findChild<QObject *>(name))
            found << (child->inherits("QTextEdit") ? child->property("plainText")
                                                   : child->property("text"))
                         .toString();
    return found.join('|');
}

QString in_layout_order(const QWidget *window, const char *class_name)
{
    QMap<QPair<int, int>, QString> found; // by the centre's row, then column
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->inherits(class_name) && widget->isVisible()) {
            const QPoint centre = widget->mapTo(window, widget->rect().center());
            found.insert({centre.y(), centre.x()}, widget->objectName());
        }
    return QStringList(found.values()).join(' ');
}

void enter_grade(QWidget *config, int digit, int grade)
{
    auto *list = config->findChild<QWidget *>(QStringLiteral("row_combo_%1").arg(digit));
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 1; step < grade; ++step)
        QTest::keyClick(list, Qt::Key_Down);
    press(config, QStringLiteral("row_input_button_%1").arg(digit));
}

QWidget *choose_maxims(
    Date_Time_Screen *&clock, const char *kind, const char *method, const char *window_class)
{
    press(open_menu(clock), "maxim_button");
    QWidget *selection = window_of("Main_Maxim_Screen");
    for (const char *radio : {kind, method, "select_button"})
        press(selection, radio);
    return selection && selection->isVisible() ? nullptr : window_of(window_class);
}

QString faketime_library()
{
    static const QString found = [] {
        QDirIterator it(
            "/usr/lib", {"libfaketime.so.1"}, QDir::Files, QDirIterator::Subdirectories);
        return it.hasNext() ? it.next() : QString();
    }();
    return found;
}

QStringList missing_tools(const QStringList &tools)
{
    QStringList missing;
    for (const QString &tool : tools)
        if (tool == "libfaketime" ? faketime_library().isEmpty()
                                  : QStandardPaths::findExecutable(tool).isEmpty())
            missing << tool;
    return missing;
}

QStringList test_part(const QObject &test, const QStringList &arguments)
{
    const QStringList part = qEnvironmentVariable("ZELVANE_PART").split('/');
    QStringList chosen = arguments;
    const QMetaObject *meta = test.metaObject();
    static const QRegularExpression fixture("^(init|cleanup)(TestCase)?$|_data$");
    for (int n = meta->methodOffset(), count = 0; part.size() == 2 && n < meta->methodCount(); ++n)
        if (meta->method(n).access() == QMetaMethod::Private
            && !QString(meta->method(n).name()).contains(fixture)
            && count++ % part[1].toInt() == part[0].toInt() - 1)
            chosen << meta->method(n).name();
    return chosen;
}
