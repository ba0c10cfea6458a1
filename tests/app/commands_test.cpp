// Help and the web button open through the desktop; here a URL handler
// catches what they would open, so no browser starts.
#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>

#include "window_fixture.h"

namespace vpa::testing {
namespace {

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  explicit UrlCatcher(QStringList schemes) : schemes_(std::move(schemes)) {
    for (const QString& scheme : schemes_) {
      QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
  }
  ~UrlCatcher() override {
    for (const QString& scheme : schemes_) {
      QDesktopServices::unsetUrlHandler(scheme);
    }
  }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }

 private:
  QStringList schemes_;
};

// The rules themselves are the form's; here the button hands them on.
TEST_F(WindowTest, WebButtonFollowsThePrefixRules) {
  const struct {
    const char* configured;
    const char* opened;  // nullptr: the "Missing Data" message
  } cases[] = {
      {"", nullptr},
      {"    ", nullptr},
      {"  http://www.  ", nullptr},
      {"  http://www.maker.com ", "http://www.maker.com"},
      {"www.maker.com/angles", "http://www.maker.com/angles"},
      {"maker.com", "http://www.maker.com"},
      {"http://maker.com", "http://www.http://maker.com"},
      {"https://www.maker.com", "http://www.https://www.maker.com"},
      {"WWW.maker.com", "http://www.WWW.maker.com"},
      {"\twww.maker.com", "http://www.\twww.maker.com"},
  };
  UrlCatcher catcher({"http", "https"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.configured);
    errors_.clear();
    catcher.opened.clear();
    Open({c.configured, ""});
    Button("CmdWeb")->click();
    if (c.opened == nullptr) {
      EXPECT_TRUE(catcher.opened.isEmpty());
      ASSERT_EQ(errors_.size(), 1u);
      EXPECT_EQ(errors_[0].title, "Missing Data");
      EXPECT_EQ(errors_[0].text,
                "You don't have a web address entered for this entry");
    } else {
      EXPECT_EQ(catcher.opened,
                QList<QUrl>({QUrl(c.opened, QUrl::TolerantMode)}));
      EXPECT_TRUE(errors_.empty());
    }
  }
}

TEST_F(WindowTest, HelpOpensThePageInTheProgramFolder) {
  UrlCatcher catcher({"file"});
  Open();
  Button("CmdHelp")->click();
  EXPECT_EQ(catcher.opened,
            QList<QUrl>({QUrl::fromLocalFile(Root() + "/Pellavert.htm")}));
  EXPECT_TRUE(errors_.empty());
}

// F1 as Help, and Enter on the focused Help button, wherever the focus is.
TEST_F(WindowTest, F1AndEnterOnHelpOpenThePage) {
  UrlCatcher catcher({"file"});
  Open();
  window_->activateWindow();
  QApplication::setActiveWindow(window_.get());
  Box("zzV2")->setFocus();
  QTest::keyClick(Box("zzV2"), Qt::Key_F1);
  Button("CmdHelp")->setFocus();
  QTest::keyClick(Button("CmdHelp"), Qt::Key_Return);
  EXPECT_EQ(catcher.opened.size(), 2);
}

}  // namespace
}  // namespace vpa::testing

#include "commands_test.moc"
