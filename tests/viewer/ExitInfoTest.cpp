// The exit confirmation asked on every close request of the main window, and
// the information window with its about text and shortcut table.
#include "ViewerTestSupport.h"
#include "hypertext/HyperText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/PanelButton.h"
#include "viewer/InfoTexts.h"
#include "viewer/Shell.h"
#include "viewer/Viewexit.h"
#include "viewer/Viewinfo.h"
#include "viewer/Viewpage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

class ExitDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.WriteBook("data/TextBook.plb", "Книга");
        Page = std::make_unique<TfrmPage>(Folder.ExeName());
    }

    // Requests the close, answering the dialog with Answer; whether the
    // window closed.
    bool CloseAnswering(std::function<void(TfrmExit&)> Answer) {
        TModalAction act([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrmExit*>(modal);
            ASSERT_NE(dialog, nullptr);
            Answer(*dialog);
        });
        const bool closed = Page->close();
        EXPECT_TRUE(act.Ran());
        EXPECT_EQ(closed, Page->isHidden());
        return closed;
    }

    TProgramFolder Folder;
    std::unique_ptr<TfrmPage> Page;
};

TEST_F(ExitDialog, EnterQuitsAndItsReleaseIsSkipped) {
    Page->SkipKeyUp = false;
    EXPECT_TRUE(CloseAnswering([](TfrmExit& d) { QTest::keyClick(&d, Qt::Key_Return); }));
    EXPECT_TRUE(Page->SkipKeyUp);
}

TEST_F(ExitDialog, EscTheTitleBarOrNoKeepTheProgramRunning) {
    EXPECT_FALSE(CloseAnswering([](TfrmExit& d) { QTest::keyClick(&d, Qt::Key_Escape); }));
    EXPECT_FALSE(CloseAnswering([](TfrmExit& d) { d.close(); }));
    EXPECT_FALSE(CloseAnswering([](TfrmExit& d) {
        QTest::mousePress(d.pnlNo, Qt::LeftButton, {}, QPoint(40, 12));
        EXPECT_EQ(d.pnlNo->BevelOuter(), bvLowered);
        QTest::mouseRelease(d.pnlNo, Qt::LeftButton, {}, QPoint(40, 12));
    }));
    EXPECT_TRUE(Page->isVisible());
}

TEST_F(ExitDialog, ReleaseOffThePressedPanelStillAnswersIt) {
    TPanelButton* yes = nullptr;
    EXPECT_TRUE(CloseAnswering([&](TfrmExit& d) {
        yes = d.pnlYes;
        QTest::mousePress(d.imgYes, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(d.pnlYes->BevelOuter(), bvLowered);
        // Dragged onto "no" and released there: the release is "yes"'s.
        QTest::mouseRelease(d.pnlYes, Qt::LeftButton, {}, QPoint(110, 12));
    }));
}

TEST_F(ExitDialog, AltF4AsksAndTheToolbarButtonToo) {
    int asked = 0;
    {
        TModalAction act([&](QWidget* modal) {
            ++asked;
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F4, Qt::AltModifier);
        QApplication::sendEvent(Page.get(), &release);
        EXPECT_TRUE(act.Ran());
    }
    {
        TModalAction act([&](QWidget* modal) {
            ++asked;
            QTest::keyClick(modal, Qt::Key_Return);
        });
        Page->tbExit->Click();
        EXPECT_TRUE(act.Ran());
    }
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(Page->isHidden());
}

TEST_F(ExitDialog, AltF4AsksWhenPressedWhateverKeyGoesUpFirst) {
    Page->show();
    int asked = 0;
    TModalAction act([&](QWidget* modal) {
        ++asked;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QApplication::sendEvent(Page->pnlTextPanel, &press);
    EXPECT_TRUE(act.Ran());
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Page->isVisible());
    // Other modifiers, or F4 alone, do not close.
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::AltModifier | Qt::ControlModifier}) {
        QKeyEvent other(QEvent::KeyPress, Qt::Key_F4, held);
        QApplication::sendEvent(Page.get(), &other);
    }
    EXPECT_EQ(asked, 1);
}

TEST_F(ExitDialog, DressedInThePagesColours) {
    // A dark page with light text.
    auto* item = const_cast<TPLBDataItem*>(Page->Page.CurrentItem);
    ASSERT_NE(item, nullptr);
    item->Color = static_cast<TColor>(0x00301008);
    item->FontColor = static_cast<TColor>(0x00C0FFFF);
    CloseAnswering([](TfrmExit& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Книга"));
        EXPECT_EQ(d.palette().color(QPalette::Window), QColor(0x08, 0x10, 0x30));
        EXPECT_EQ(d.lblQuestion->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0xC0));
        EXPECT_EQ(d.lblQuestion->text(),
                  QStringLiteral("Вы действительно хотите выйти из учебника?"));
        EXPECT_EQ(d.pnlYes->Caption(), QStringLiteral("Да   "));
        EXPECT_EQ(d.pnlNo->Caption(), QStringLiteral("Нет   "));
        const QImage shot = d.grab().toImage();
        EXPECT_EQ(shot.pixelColor(4, shot.height() - 4), QColor(0x08, 0x10, 0x30));
        // The panels take the dialog's colour.
        const QImage yes = d.pnlYes->grab().toImage();
        EXPECT_EQ(yes.pixelColor(yes.width() / 2, 2), QColor(0x08, 0x10, 0x30));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
}

TEST_F(ExitDialog, PanelsAreRaisedAgainWhenTheDialogCloses) {
    TfrmExit dialog(*Page);
    TModalAction act([&](QWidget*) {
        QTest::mousePress(dialog.pnlNo, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(dialog.pnlNo->BevelOuter(), bvLowered);
        dialog.close(); // through the title bar while the press is held
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_TRUE(act.Ran());
    EXPECT_EQ(dialog.pnlNo->BevelOuter(), bvRaised);
    EXPECT_EQ(dialog.pnlYes->BevelOuter(), bvRaised);
}

TEST_F(ExitDialog, FailedLoadClosesWithoutAsking) {
    Page->LoadFailed = true;
    TShowWatcher shown(QStringLiteral("frmExit"));
    EXPECT_TRUE(Page->close());
    EXPECT_EQ(shown.Shows, 0);
    Page->LoadFailed = false; // lets the window release what it holds
}

class InfoWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Folder.WriteBook("data/TextBook.plb", "Книга");
        Page = std::make_unique<TfrmPage>(Folder.ExeName());
        Info = std::make_unique<TfrmInfo>(Page.get());
        frmInfo = Info.get();
    }
    void TearDown() override {
        frmInfo = nullptr;
        SetShellHandler(nullptr);
    }

    TProgramFolder Folder;
    std::unique_ptr<TfrmPage> Page;
    std::unique_ptr<TfrmInfo> Info;
};

TEST_F(InfoWindow, DesignedLayout) {
    const TfrmInfo& w = *Info;
    EXPECT_EQ(w.size(), QSize(373, 377));
    EXPECT_EQ(w.Caption(), QStringLiteral("Информация о программе"));
    EXPECT_EQ(w.sbInformation->geometry(), QRect(0, 0, 373, 377));
    EXPECT_EQ(w.lblAbout->text(), QStringLiteral("О программе  "));
    EXPECT_EQ(w.lblAbout->pos(), QPoint(8, 4));
    EXPECT_EQ(w.lblHotKeys->pos(), QPoint(8, 208));
    EXPECT_EQ(w.imgAbout->geometry(), QRect(8, 28, 64, 64));
    EXPECT_FALSE(w.imgAbout->pixmap().isNull());
    EXPECT_EQ(w.AboutView()->Widget()->geometry(), QRect(88, 24, 261, 168));
    EXPECT_EQ(w.HotKeysView()->Widget()->geometry(), QRect(8, 228, 341, 355));
    EXPECT_EQ(w.bvHotKeys->geometry().width(), 341);
}

TEST_F(InfoWindow, AboutTextIsDecodedMarkupWithALink) {
    TStringList about;
    AboutText(about);
    EXPECT_EQ(about.Count(), 22);
    const AnsiString text = Cp1251ToUtf8(about.Text());
    EXPECT_NE(text.find("plbviewer"), std::string::npos);
    EXPECT_NE(text.find("<a=1>"), std::string::npos);
    EXPECT_EQ(Info->AboutView()->Lines().Text(), about.Text());
    EXPECT_EQ(MailLink().rfind("mailto:", 0), 0u);
}

TEST_F(InfoWindow, AnyLinkOfTheAboutViewWritesToTheProgramsAddress) {
    std::vector<AnsiString> opened;
    SetShellHandler([&](const AnsiString& File) { opened.push_back(File); });
    ASSERT_TRUE(Info->AboutView()->OnLinkClick);
    Info->AboutView()->OnLinkClick(Info->AboutView(), 1);
    Info->AboutView()->OnLinkClick(Info->AboutView(), 7);
    EXPECT_EQ(opened, (std::vector<AnsiString>{MailLink(), MailLink()}));
}

TEST_F(InfoWindow, PicturesAreTheToolbarsByNumber) {
    TImageList& images = *Page->ilSmallImages;
    {
        TBitmap bitmap;
        bool loaded = false, failed = false;
        Info->GraphicLoad(&bitmap, "14.bmp", loaded, failed);
        EXPECT_TRUE(loaded);
        EXPECT_FALSE(failed);
        EXPECT_EQ(bitmap.Image().convertToFormat(QImage::Format_RGB32),
                  images.Bitmap(14).convertToFormat(QImage::Format_RGB32));
    }
    for (const char* name : {"16.bmp", "x.bmp", "3", ".bmp", "-1.bmp", "1x.bmp", ""}) {
        TBitmap bitmap;
        bool loaded = false, failed = false;
        Info->GraphicLoad(&bitmap, name, loaded, failed);
        EXPECT_FALSE(loaded) << name;
        EXPECT_TRUE(failed) << name;
    }
    EXPECT_EQ(Info->HotKeysView()->PictureCount(), 12);
}

// The words of the shortcut view as painted, with their rectangles.
std::map<std::string, TRect> PaintedWords(THyperText& View) {
    std::map<std::string, TRect> words;
    View.OnPaintWord = [&](const THyperWord& Word, const TRect& Rect) {
        words.emplace(Cp1251ToUtf8(Word.Text), Rect);
    };
    View.Update();
    View.RenderIfDirty();
    View.OnPaintWord = nullptr;
    return words;
}

TEST_F(InfoWindow, ShortcutsLaidOutInThreeColumns) {
    const auto words = PaintedWords(*Info->HotKeysView());
    for (const char* word : {"Ctrl+Left", "Left", "Space", "Alt+F4", "Переход", "предыдущей",
                             "Переключить", "странице)", "следующей"})
        ASSERT_TRUE(words.count(word)) << word;
    // Keys in the left column, descriptions beside them level with their
    // keys; a two-line description pushes the next key down with it.
    const TRect first = words.at("Ctrl+Left");
    for (const auto& [key, description] :
         std::map<std::string, std::string>{{"Ctrl+Left", "Переход"},
                                            {"Left", "предыдущей"},
                                            {"Space", "Переключить"},
                                            {"Right", "следующей"}}) {
        SCOPED_TRACE(key);
        const TRect k = words.at(key);
        const TRect d = words.at(description);
        EXPECT_LT(k.Right, 70);
        EXPECT_GE(d.Left, 70);
        EXPECT_EQ(d.Top, k.Top);
    }
    EXPECT_GT(words.at("странице)").Top, words.at("Space").Top);
    EXPECT_GT(words.at("Right").Top, words.at("странице)").Top);
    // Nothing of the description column reaches the pictures' column.
    for (const auto& [word, rect] : words)
        if (rect.Left >= 70) {
            EXPECT_LE(rect.Right, 341 - 16) << word;
        }
    EXPECT_GT(words.at("Alt+F4").Top, first.Top + 300);
}

TEST_F(InfoWindow, F1ShowsItAndEscClosesIt) {
    bool shown = false;
    TModalAction act([&](QWidget* modal) {
        shown = modal == Info.get();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == modal ? focus : modal, Qt::Key_Escape);
    });
    Page->SkipKeyUp = false;
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(Page.get(), &release);
    EXPECT_TRUE(act.Ran());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Info->isHidden());
    EXPECT_TRUE(Page->SkipKeyUp);
}

} // namespace
