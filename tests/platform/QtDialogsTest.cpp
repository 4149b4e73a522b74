// The message boxes and the input box as the player meets them: real Qt dialogues on the
// offscreen platform, in Chinese as the game runs them, answered with Enter, Esc, the close
// button and the mouse.
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtDesktop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora {

static void PrintTo(Answer a, std::ostream* os) {
  const char* names[] = {"Ok", "Cancel", "Yes", "No", "Abort", "Retry", "Ignore"};
  *os << names[static_cast<int>(a)];
}

namespace {

// Each platform lays out a dialogue's buttons by its own rule; this style asks for one of them.
class ButtonLayoutStyle final : public QProxyStyle {
 public:
  explicit ButtonLayoutStyle(QDialogButtonBox::ButtonLayout layout) : QProxyStyle("fusion"), layout_(layout) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_DialogButtonLayout) return layout_;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

 private:
  QDialogButtonBox::ButtonLayout layout_;
};

// Runs `act` on the dialogue of type D as soon as it is shown, while `ask` waits for it.
template <class D, class R>
R Answering(const std::function<R()>& ask, const std::function<void(D&)>& act) {
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll.stop();
    act(*dialog);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the dialogue is still open";
      dialog->done(0);
    }
  });
  poll.start();
  return ask();
}

// A key where the player's key goes: the focused control, or the dialogue itself.
void PressKey(QWidget& dialog, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  if (target == nullptr || target->window() != &dialog) target = &dialog;
  QTest::keyClick(target, key);
}

// The visible push buttons of a dialogue as they are laid out, left to right.
std::vector<QPushButton*> LeftToRight(QWidget& dialog) {
  std::vector<QPushButton*> buttons;
  for (QPushButton* b : dialog.findChildren<QPushButton*>())
    if (b->isVisible()) buttons.push_back(b);
  std::sort(buttons.begin(), buttons.end(), [&dialog](QPushButton* a, QPushButton* b) {
    return a->mapTo(&dialog, QPoint()).x() < b->mapTo(&dialog, QPoint()).x();
  });
  return buttons;
}

struct BoxKind {
  Buttons buttons;
  std::vector<std::string> texts;  // left to right
  std::vector<Answer> answers;     // of the buttons left to right
  Answer enter;
  Answer escape;  // also closing the box
};

const BoxKind kBoxes[] = {
    {Buttons::Ok, {"确定"}, {Answer::Ok}, Answer::Ok, Answer::Ok},
    {Buttons::OkCancel, {"确定", "取消"}, {Answer::Ok, Answer::Cancel}, Answer::Ok, Answer::Cancel},
    {Buttons::YesNo, {"是(&Y)", "否(&N)"}, {Answer::Yes, Answer::No}, Answer::Yes, Answer::No},
    {Buttons::AbortRetryIgnore,
     {"中止", "重试", "忽略"},
     {Answer::Abort, Answer::Retry, Answer::Ignore},
     Answer::Abort,
     Answer::Abort},
};

class QtDialogsTest : public ::testing::Test {
 protected:
  // The game shows Qt's own dialogue texts in Chinese.
  static void SetUpTestSuite() {
    translator = new QTranslator;
    if (translator->load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QApplication::installTranslator(translator);
  }
  static void TearDownTestSuite() {
    delete translator;
    translator = nullptr;
  }
  void TearDown() override { QApplication::setStyle("fusion"); }

  Answer Message(Buttons buttons, const std::function<void(QMessageBox&)>& act) {
    return Answering<QMessageBox, Answer>(
        [&] { return dialogs.Message("在文件中没有找到所要查找的字段", "错误信息", buttons, Icon::None); }, act);
  }
  std::optional<std::string> Input(const std::function<void(QInputDialog&)>& act) {
    return Answering<QInputDialog, std::optional<std::string>>([&] { return dialogs.Input("名字", "新的记录", "无名"); },
                                                               act);
  }

  static inline QTranslator* translator = nullptr;
  QtDialogs dialogs;
};

TEST_F(QtDialogsTest, EveryBoxOrdersItsButtonsAndAnswersEnterEscClosingAndEachButton) {
  for (auto layout : {QDialogButtonBox::WinLayout, QDialogButtonBox::MacLayout, QDialogButtonBox::KdeLayout,
                      QDialogButtonBox::GnomeLayout, QDialogButtonBox::AndroidLayout}) {
    QApplication::setStyle(new ButtonLayoutStyle(layout));
    for (const BoxKind& kind : kBoxes) {
      SCOPED_TRACE(testing::Message() << "layout " << layout << ", " << kind.texts.front() << " box");
      std::vector<std::string> texts;
      std::vector<int> rows;
      Message(kind.buttons, [&](QMessageBox& box) {
        for (QPushButton* b : LeftToRight(box)) {
          texts.push_back(b->text().toStdString());
          rows.push_back(b->mapTo(&box, QPoint()).y());
        }
        box.done(0);
      });
      EXPECT_EQ(texts, kind.texts);
      EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [&rows](int y) { return y == rows.front(); })) << "one row";

      EXPECT_EQ(Message(kind.buttons, [](QMessageBox& box) { PressKey(box, Qt::Key_Return); }), kind.enter);
      EXPECT_EQ(Message(kind.buttons, [](QMessageBox& box) { PressKey(box, Qt::Key_Escape); }), kind.escape);
      EXPECT_EQ(Message(kind.buttons, [](QMessageBox& box) { box.close(); }), kind.escape);
      for (std::size_t i = 0; i < kind.answers.size() && i < texts.size(); ++i) {
        EXPECT_EQ(Message(kind.buttons,
                          [i](QMessageBox& box) { QTest::mouseClick(LeftToRight(box).at(i), Qt::LeftButton); }),
                  kind.answers[i])
            << kind.texts[i];
      }
    }
  }
}

TEST_F(QtDialogsTest, InputBoxGivesTheTextForOkAndNothingForCancel) {
  auto typing = [](const char* text, QDialogButtonBox::StandardButton then) {
    return [=](QInputDialog& dialog) {
      QLineEdit* edit = dialog.findChild<QLineEdit*>();
      edit->selectAll();
      QTest::keyClicks(edit, QString::fromUtf8(text));
      QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(then), Qt::LeftButton);
    };
  };
  EXPECT_EQ(Input(typing("Lumo 2", QDialogButtonBox::Ok)), "Lumo 2");
  EXPECT_EQ(Input(typing("Lumo 2", QDialogButtonBox::Cancel)), std::nullopt);
  EXPECT_EQ(Input([](QInputDialog& d) { PressKey(d, Qt::Key_Return); }), "无名");
  EXPECT_EQ(Input([](QInputDialog& d) { PressKey(d, Qt::Key_Escape); }), std::nullopt);
  EXPECT_EQ(Input([](QInputDialog& d) { d.close(); }), std::nullopt);
}

TEST(QtShellOpener, ShowsWhatTheDesktopCannotOpenInItsOwnWindowsInTheOwnersFont) {
  QTemporaryFile help;
  ASSERT_TRUE(help.open() && help.write("游戏帮助\r\n第二行") > 0 && help.flush());
  QWidget owner;
  owner.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei")));
  QtShellOpener opener([](const QUrl&, std::function<void(bool)> done) { done(false); });
  opener.SetOwner(&owner);
  opener.Open(help.fileName().toStdString());
  auto* text = QApplication::activeModalWidget()->findChild<QPlainTextEdit*>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->toPlainText(), QStringLiteral("游戏帮助\n第二行"));
  EXPECT_TRUE(text->isReadOnly() && text->font().family() == owner.font().family());
  QApplication::activeModalWidget()->close();
  opener.Open("https://pelmora.example.org/");
  const auto* address = QApplication::activeModalWidget()->findChild<QLineEdit*>();
  ASSERT_NE(address, nullptr);
  EXPECT_TRUE(address->isReadOnly() && address->selectedText() == "https://pelmora.example.org/");
  QApplication::activeModalWidget()->close();
}

}  // namespace
}  // namespace pelmora
