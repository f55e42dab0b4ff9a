// The programs' texts in any language: a pseudo-translation that wraps every text proves that
// each one the windows, menus, tooltips and messages show went through a translation, and is
// not cut when it grows by 40 %; the access keys are unique within each menu and window, in
// English and in German.
#include "translations/programwindows.h"
#include "ui/captionrow.h"
#include "widgets/platform/programtranslations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Every text as "[[text~~]]": the tildes make it 40 % longer, as a translation may be.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return QStringLiteral("[[") + text + QString(text.size() * 2 / 5, u'~') +
               QStringLiteral("]]");
    }
};

// Texts that are the same in every language: the programs' names as window titles.
const QStringList kUntranslated = {QStringLiteral("Glintwork"), QStringLiteral("Facelister"),
                                   QStringLiteral("Glyphmatch"), QStringLiteral("Charboard")};
// Labels whose text is data: code points and entities, Unicode's own names.
const QStringList kDataLabels = {QStringLiteral("LabelInfo"), QStringLiteral("LabelDetails")};

bool wrapped(const QString &text)
{
    const QString t = text.trimmed();
    return (t.startsWith(u"[[") && t.endsWith(u"]]")) || kUntranslated.contains(t) ||
           !t.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
}

// A scoped translation: installed for the test, removed after it.
class Installed {
public:
    explicit Installed(QTranslator *translator) : m_translator(translator)
    {
        QCoreApplication::installTranslator(m_translator);
    }
    ~Installed() { QCoreApplication::removeTranslator(m_translator); }

private:
    QTranslator *m_translator;
};

struct Text {
    QString where;
    QString text;
};

QString describe(const QObject *object)
{
    return QStringLiteral("%1 %2 in %3")
        .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName(),
             object->parent() ? object->parent()->objectName() : QString());
}

// What a user reads in a window: titles, captions, tooltips, placeholders, menu entries.
QList<Text> shownTexts(QWidget *window)
{
    QList<Text> texts{{describe(window), window->windowTitle()}};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : std::as_const(widgets)) {
        const QString where = describe(w);
        texts.append({where + QStringLiteral(" tooltip"), w->toolTip()});
        if (auto *row = qobject_cast<CaptionRow *>(w)) {
            QStringList pieces;
            for (const QLabel *label : row->labels())
                pieces.append(label->text());
            texts.append({where, pieces.join(u' ')});
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!qobject_cast<CaptionRow *>(label->parent()) &&
                !kDataLabels.contains(label->objectName()))
                texts.append({where, label->text()});
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            texts.append({where, button->text()});
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            texts.append({where, box->title()});
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            texts.append({where + QStringLiteral(" placeholder"), edit->placeholderText()});
            if (edit->isReadOnly())
                texts.append({where, edit->text()});
        } else if (auto *menu = qobject_cast<QMenu *>(w)) {
            texts.append({where, menu->title()});
        }
    }
    for (QAction *action : window->findChildren<QAction *>())
        texts.append({describe(action), action->text()});
    // The choices that are the program's words, not fonts or sizes.
    for (const char *name : {"ComboPC", "ComboChars"})
        if (auto *combo = window->findChild<QComboBox *>(QLatin1String(name)))
            for (int i = 0; i < combo->count(); ++i)
                texts.append({describe(combo), combo->itemText(i)});
    return texts;
}

} // namespace

TEST(PseudoTranslation, EveryShownTextIsTranslatedAndNothingIsCut)
{
    PseudoTranslator pseudo;
    Installed installed(&pseudo);
    ProgramWindows programs;
    for (QWidget *window : programs.windows()) {
        for (const Text &t : shownTexts(window))
            EXPECT_TRUE(t.text.isEmpty() || wrapped(t.text))
                << t.where.toStdString() << ": " << t.text.toStdString();
        // A caption narrower than its text is cut.
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window) ||
                !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
                continue;
            if (auto *label = qobject_cast<QLabel *>(w); label && label->wordWrap())
                continue;
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << describe(w).toStdString();
        }
    }
    programs.showMessages();
    QStringList titles;
    for (const FakeMessageService::Shown &m : programs.messages())
        titles.append(m.title);
    ASSERT_EQ(programs.messages().size(), 6) << titles.join(u'|').toStdString();
    for (const FakeMessageService::Shown &m : programs.messages()) {
        EXPECT_TRUE(wrapped(m.text)) << m.text.toStdString();
        EXPECT_TRUE(wrapped(m.title)) << m.title.toStdString();
    }
}

namespace {

QChar accessKey(const QString &text)
{
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QChar() : QChar(key[0].key()).toUpper();
}

// The keys of a menu's entries, or of a window's menu titles and controls, each with what
// has it; an entry without a key is listed under '\0'.
QMultiMap<QChar, QString> menuKeys(const QMenu *menu)
{
    QMultiMap<QChar, QString> keys;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            keys.insert(accessKey(action->text()), action->text());
    return keys;
}

QMultiMap<QChar, QString> windowKeys(const QWidget *window)
{
    QMultiMap<QChar, QString> keys;
    if (auto *main = qobject_cast<const QMainWindow *>(window))
        for (const QAction *title : main->menuBar()->actions())
            keys.insert(accessKey(title->text()), title->text());
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || qobject_cast<const QMenu *>(w->window()))
            continue;
        QString text;
        if (auto *button = qobject_cast<const QAbstractButton *>(w))
            text = button->text();
        else if (auto *box = qobject_cast<const QGroupBox *>(w))
            text = box->title();
        else if (auto *label = qobject_cast<const QLabel *>(w); label && label->buddy())
            text = label->text();
        const QChar key = accessKey(text);
        if (!key.isNull())
            keys.insert(key, text);
        // A push button is a command: it needs a key, unless Enter or Escape presses it or
        // it repeats a command of the menu that has one (F1).
        auto *push = qobject_cast<const QPushButton *>(w);
        if (push && key.isNull() && !push->isDefault() &&
            !QStringList{QStringLiteral("CommandX"), QStringLiteral("CommandHelp")}.contains(
                push->objectName()))
            keys.insert(QChar(), describe(push));
    }
    return keys;
}

void expectUnique(const QMultiMap<QChar, QString> &keys, const QString &where)
{
    for (const QChar key : keys.uniqueKeys()) {
        const QStringList holders = keys.values(key);
        if (key.isNull())
            ADD_FAILURE() << where.toStdString() << ": no access key for "
                          << holders.join(QStringLiteral(", ")).toStdString();
        else if (holders.size() > 1)
            ADD_FAILURE() << where.toStdString() << ": " << QString(key).toStdString()
                          << " is the key of " << holders.join(QStringLiteral(", ")).toStdString();
    }
}

class AccessKeys : public ::testing::TestWithParam<const char *> {};

} // namespace

TEST_P(AccessKeys, AreUniqueInEveryMenuAndWindow)
{
    std::vector<std::unique_ptr<QTranslator>> translations;
    std::vector<std::unique_ptr<Installed>> installed;
    const QString language = QString::fromLatin1(GetParam());
    if (language != QLatin1String("en")) {
        for (const char *program : {"glintwork", "facelister", "glyphmatch", "charboard"}) {
            auto translator = std::make_unique<QTranslator>();
            ASSERT_TRUE(translator->load(QStringLiteral("%1_%2").arg(program, language),
                                         QStringLiteral(KERNCRAFT_QM_DIR)));
            installed.push_back(std::make_unique<Installed>(translator.get()));
            translations.push_back(std::move(translator));
        }
    }
    ProgramWindows programs;
    for (QWidget *window : programs.windows()) {
        expectUnique(windowKeys(window), describe(window));
        for (const QMenu *menu : window->findChildren<QMenu *>())
            expectUnique(menuKeys(menu), describe(menu));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessKeys, ::testing::Values("en", "de"),
                         [](const auto &info) { return std::string(info.param); });
