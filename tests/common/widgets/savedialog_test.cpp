// The save dialog: it never reads a file to draw it, and a name with quotes is one name.
#include "widgets/platform/nameonlyiconprovider.h"
#include "widgets/platform/savedialog.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// A pipe without a writer: whoever opens it to read waits until one comes.
TEST(SaveDialog, TypesAndIconsNeverOpenTheFile)
{
    QTemporaryDir dir;
    const QByteArray pipe = QFile::encodeName(dir.filePath("x.rtf"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    NameOnlyIconProvider provider;
    std::promise<QString> type;
    std::thread asker([&] {
        provider.icon(QFileInfo(QString::fromLocal8Bit(pipe)));
        type.set_value(provider.type(QFileInfo(QString::fromLocal8Bit(pipe))));
    });
    auto answer = type.get_future();
    const bool answered = answer.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!answered) // let the blocked reader go before failing
        ::close(::open(pipe.constData(), O_WRONLY | O_NONBLOCK));
    asker.join();
    ASSERT_TRUE(answered);
    EXPECT_TRUE(answer.get().contains("RTF", Qt::CaseInsensitive));
}
#endif

TEST(SaveDialog, NameWithQuotesIsOneName)
{
    QTemporaryDir dir;
    const struct {
        QString typed;
        QString name;
    } cases[] = {{"q\"uo\"te.rtf", "q\"uo\"te.rtf"},
                 {"\"a\" \"b\"", "\"a\" \"b\".rtf"},
                 {"\"plain\"", "plain.rtf"}};
    for (const auto &c : cases) {
        SaveDialog dialog(nullptr, "Save As", dir.path(), "Rich Text format (*.rtf)");
        dialog.setDefaultSuffix("rtf");
        dialog.show();
        auto *edit = dialog.findChild<QLineEdit *>("fileNameEdit");
        ASSERT_NE(edit, nullptr);
        edit->setText(c.typed);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.chosenPath(), dir.filePath(c.name));
    }
}

} // namespace
