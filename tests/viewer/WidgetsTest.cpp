// The widget pieces the windows are built from: control adapters, gauge,
// bevel panels, panel buttons, image lists and forms.
#include "platform/base/Cp1251.h"
#include "platform/widgets/BevelPanel.h"
#include "platform/widgets/Form.h"
#include "platform/widgets/Gauge.h"

#include "platform/widgets/ImageList.h"
#include "platform/widgets/PanelButton.h"
#include "platform/widgets/ToolBar.h"
#include "platform/widgets/WidgetControls.h"
#include "platform/widgets/WidgetPalette.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QImage Render(QWidget& Widget) {
    return Widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(WidgetControl, BoundsVisibilityAndEnabledOfAChild) {
    QWidget parent;
    parent.resize(200, 100);
    QWidget child(&parent);
    TWidgetControl control(child);
    control.SetBoundsRect(Bounds(10, 20, 30, 40));
    EXPECT_EQ(child.geometry(), QRect(10, 20, 30, 40));
    EXPECT_EQ(control.BoundsRect(), Bounds(10, 20, 30, 40));
    EXPECT_TRUE(control.HasParent());
    EXPECT_EQ(control.ParentClientRect(), Rect(0, 0, 200, 100));
    control.SetVisible(false);
    EXPECT_FALSE(control.Visible());
    control.SetVisible(true);
    EXPECT_TRUE(control.Visible()); // its own setting, though the parent is hidden
    parent.setEnabled(false);
    EXPECT_TRUE(control.Enabled());
    control.SetEnabled(false);
    EXPECT_FALSE(control.Enabled());
    EXPECT_FALSE(TWidgetControl(parent).HasParent());
}

TEST(WidgetControl, LabelCaptionsAreCodePage1251) {
    QLabel label;
    TLabelControl control(label);
    control.SetCaption(Utf8ToCp1251("Загрузка"));
    EXPECT_EQ(label.text(), QStringLiteral("Загрузка"));
    label.setText(QStringLiteral("Ёлка"));
    EXPECT_EQ(control.Caption(), Utf8ToCp1251("Ёлка"));
}

TEST(Gauge, KeepsItsPositionWithinTheRange) {
    TGauge gauge;
    EXPECT_EQ(gauge.MaxValue(), 100);
    gauge.SetProgress(150);
    EXPECT_EQ(gauge.Progress(), 100);
    gauge.SetProgress(-5);
    EXPECT_EQ(gauge.Progress(), 0);
    gauge.SetMaxValue(40000);
    gauge.SetProgress(10000);
    EXPECT_EQ(gauge.PercentDone(), 25);
    gauge.SetMaxValue(5000);
    EXPECT_EQ(gauge.Progress(), 5000);
    EXPECT_EQ(gauge.PercentDone(), 100);
    gauge.SetMaxValue(-1);
    EXPECT_EQ(gauge.MaxValue(), 0);
    EXPECT_EQ(gauge.PercentDone(), 0);
    gauge.SetMaxValue(4'000'000'000'000'000'000);
    gauge.SetProgress(1'000'000'000'000'000'000);
    EXPECT_EQ(gauge.PercentDone(), 25);
}

// Counts the paintings of a gauge, with what each showed and when.
class TCountedGauge : public TGauge {
public:
    int Paints = 0;
    int LastPercent = -1;
    std::vector<qint64> Moments;
    QElapsedTimer Clock;

protected:
    void paintEvent(QPaintEvent* Event) override {
        ++Paints;
        LastPercent = PercentDone();
        Moments.push_back(Clock.nsecsElapsed());
        TGauge::paintEvent(Event);
    }
};

TEST(Gauge, DrawsOnlyChangesThatShowAtMostOnceAFrame) {
    TCountedGauge gauge;
    gauge.Clock.start();
    gauge.resize(229, 21);
    gauge.SetMaxValue(30000);
    gauge.show();
    QApplication::processEvents();
    gauge.Paints = 0;
    gauge.Moments.clear();
    for (int step = 1; step <= 30000; ++step) {
        gauge.SetProgress(step);
        QApplication::processEvents();
        if (step % 3000 == 0) QTest::qWait(TGauge::FrameMs + 5); // a slow stretch
    }
    // A bar 227 pixels wide and 100 percent steps at most, drawn a frame apart.
    EXPECT_GE(gauge.Paints, 10);
    EXPECT_LE(gauge.Paints, 227 + 100);
    for (size_t i = 1; i < gauge.Moments.size(); ++i)
        EXPECT_GE(gauge.Moments[i] - gauge.Moments[i - 1], (TGauge::FrameMs - 1) * 1'000'000LL)
            << "paint " << i;
    // The last change is drawn once its frame comes (waited for generously:
    // a loaded machine may run the frame's timer late).
    QDeadlineTimer deadline(5000);
    while (gauge.LastPercent != 100 && !deadline.hasExpired())
        QTest::qWait(TGauge::FrameMs);
    EXPECT_EQ(gauge.LastPercent, 100);
    EXPECT_EQ(gauge.PercentDone(), 100);
}

TEST(Gauge, DrawsTheBarOnWhiteInASingleBorderWithThePercentage) {
    TGauge gauge;
    gauge.resize(229, 21);
    gauge.SetMaxValue(1000);
    gauge.SetProgress(500);
    const QImage image = Render(gauge);
    const QRgb navy = WidgetPalette::Highlight().rgb(), white = qRgb(255, 255, 255);
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(228, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(5, 3), navy);
    EXPECT_EQ(image.pixel(223, 3), white);
    EXPECT_EQ(image.pixel(113, 2), navy); // the bar ends at half the inside
    EXPECT_EQ(image.pixel(115, 2), white);
    // "50%" straddles the bar's end: written in white on the bar and in
    // the bar's colour on the white.
    int whiteOnBar = 0, navyOnWhite = 0;
    for (int y = 4; y < 17; ++y) {
        for (int x = 80; x < 114; ++x)
            whiteOnBar += qRed(image.pixel(x, y)) > 100;
        for (int x = 115; x < 150; ++x)
            navyOnWhite += qBlue(image.pixel(x, y)) < 200;
    }
    EXPECT_GT(whiteOnBar, 5);
    EXPECT_GT(navyOnWhite, 5);
}

TEST(BevelPanel, RaisedAndLoweredBevels) {
    TBevelPanel panel;
    panel.resize(40, 20);
    const QRgb light = WidgetPalette::BtnHighlight().rgb(), dark = WidgetPalette::BtnShadow().rgb();
    panel.SetColor(QColor(10, 20, 30));
    QImage image = Render(panel);
    EXPECT_EQ(image.pixel(0, 0), light);
    EXPECT_EQ(image.pixel(39, 19), dark);
    EXPECT_EQ(image.pixel(39, 0), dark); // top-right corner belongs to the shadow
    EXPECT_EQ(image.pixel(0, 19), dark);
    EXPECT_EQ(image.pixel(1, 1), qRgb(10, 20, 30));

    panel.SetBevelOuter(bvLowered);
    panel.SetBevelInner(bvRaised);
    image = Render(panel);
    EXPECT_EQ(image.pixel(0, 5), dark);
    EXPECT_EQ(image.pixel(39, 5), light);
    EXPECT_EQ(image.pixel(1, 5), light);
    EXPECT_EQ(image.pixel(38, 5), dark);
    EXPECT_EQ(image.pixel(2, 5), qRgb(10, 20, 30));
    EXPECT_EQ(panel.InnerRect(), QRect(2, 2, 36, 16));

    panel.SetBevelOuter(bvNone);
    panel.SetBevelInner(bvNone);
    EXPECT_EQ(Render(panel).pixel(0, 0), qRgb(10, 20, 30));
}

TEST(BevelPanel, CaptionFollowsItsAlignment) {
    TBevelPanel panel;
    panel.resize(120, 25);
    panel.SetColor(Qt::white);
    panel.SetCaption(QStringLiteral("OK"));
    auto inkColumns = [&panel] {
        const QImage image = Render(panel);
        int first = -1, last = -1;
        for (int x = 2; x < 118; ++x)
            for (int y = 2; y < 23; ++y)
                if (qRed(image.pixel(x, y)) < 128) {
                    if (first < 0) first = x;
                    last = x;
                }
        return std::pair{first, last};
    };
    panel.SetAlignment(taRightJustify);
    const auto right = inkColumns();
    EXPECT_GT(right.first, 80);
    EXPECT_LE(right.second, 117);
    panel.SetAlignment(taLeftJustify);
    EXPECT_LT(inkColumns().first, 10);
    panel.SetAlignment(taCenter);
    const auto centre = inkColumns();
    EXPECT_NEAR((centre.first + centre.second) / 2.0, 60, 3);
}

TEST(PanelButton, PressedLookAndAnswerOnRelease) {
    QWidget window;
    window.resize(200, 100);
    TPanelButton button(&window);
    button.setGeometry(10, 10, 73, 25);
    QPixmap picture(19, 19);
    picture.fill(Qt::green);
    button.SetPicture(picture, QPoint(12, 3));
    ASSERT_NE(button.PictureLabel(), nullptr);
    EXPECT_EQ(button.PictureLabel()->geometry(), QRect(12, 3, 19, 19));
    int clicks = 0;
    button.OnClick = [&clicks] { ++clicks; };

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_TRUE(button.Pressed());
    EXPECT_EQ(button.BevelOuter(), bvLowered);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(150, 90)); // outside
    EXPECT_EQ(button.BevelOuter(), bvRaised);
    EXPECT_EQ(clicks, 1);

    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 10)); // no press before
    EXPECT_EQ(clicks, 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 10));
    button.Release(); // the dialog closed meanwhile
    EXPECT_EQ(button.BevelOuter(), bvRaised);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(clicks, 1);
}

TEST(ToolBar, GroupedCheckButtonsReleaseEachOther) {
    TToolBar bar;
    TToolButton* a = bar.AddButton(QStringLiteral("a"), tbsCheck, 0, {});
    TToolButton* b = bar.AddButton(QStringLiteral("b"), tbsCheck, 1, {});
    bar.AddSeparator();
    TToolButton* c = bar.AddButton(QStringLiteral("c"), tbsCheck, 2, {});
    for (TToolButton* button : {a, b, c})
        button->Grouped = true;
    std::vector<QString> clicked;
    for (TToolButton* button : {a, b, c})
        button->OnClick = [&clicked](TToolButton* sender) {
            clicked.push_back(sender->objectName());
        };

    c->SetDown(true); // another group: beyond the separator
    QTest::mouseClick(a, Qt::LeftButton);
    EXPECT_TRUE(a->Down());
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(c->Down());
    QTest::mouseClick(b, Qt::LeftButton); // the last one down stays down
    EXPECT_TRUE(b->Down());
    b->AllowAllUp = true;
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(b->Down());
    a->SetDown(true);
    EXPECT_EQ(clicked, (std::vector<QString>{"a", "b", "b", "b"}));
    b->Click(); // a program's click runs the handler without toggling
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicked.size(), 5u);
}

TEST(ImageList, KeepsBitmapsAndMakesFuchsiaTransparent) {
    TImageList list(16, 16, WidgetPalette::Fuchsia());
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(WidgetPalette::Fuchsia());
    picture.setPixel(3, 4, qRgb(1, 2, 3));
    EXPECT_EQ(list.Add(picture), 0);
    EXPECT_EQ(list.Add(QImage(32, 32, QImage::Format_RGB32)), 1); // scaled to fit
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Bitmap(1).size(), QSize(16, 16));
    EXPECT_EQ(list.Bitmap(0).pixel(0, 0), WidgetPalette::Fuchsia().rgb());
    const QImage see = list.Pixmap(0).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(see.pixel(0, 0)), 0);
    EXPECT_EQ(see.pixel(3, 4), qRgba(1, 2, 3, 255));
    EXPECT_TRUE(list.Bitmap(2).isNull());
    EXPECT_TRUE(list.Pixmap(-1).isNull());
    EXPECT_TRUE(list.Icon(5).isNull());
}

TEST(ImageList, IconsCarryTheFinerPictureForDenseScreens) {
    TImageList list(16, 16, WidgetPalette::Fuchsia());
    QImage coarse(16, 16, QImage::Format_RGB32);
    coarse.fill(Qt::red);
    QImage fine(32, 32, QImage::Format_RGB32);
    fine.fill(WidgetPalette::Fuchsia());
    fine.setPixel(1, 1, qRgb(0, 0, 255));
    list.Add(coarse, fine);
    list.Add(coarse, QImage(20, 20, QImage::Format_RGB32)); // not twice the size: ignored
    const QImage dense = list.Icon(0).pixmap(QSize(16, 16), 2.0).toImage();
    ASSERT_EQ(dense.size(), QSize(32, 32));
    EXPECT_EQ(dense.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(dense.convertToFormat(QImage::Format_ARGB32).pixel(5, 5)), 0);
    EXPECT_EQ(list.Icon(0).pixmap(QSize(16, 16), 1.0).toImage().pixel(5, 5), qRgb(255, 0, 0));
    // Without a finer picture the dense screen gets the coarse one enlarged.
    const QImage enlarged = list.Icon(1).pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_EQ(enlarged.pixel(1, 1) & RGB_MASK, qRgb(255, 0, 0) & RGB_MASK);
}

TEST(Form, ModalResultEndsTheShowing) {
    TForm form;
    form.SetClientSize(100, 50);
    QTimer::singleShot(0, &form, [&form] {
        EXPECT_TRUE(form.Modal());
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrYes);
    });
    int closes = 0;
    form.OnClose = [&closes](TForm*) { ++closes; };
    EXPECT_EQ(form.ShowModal(), mrYes);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Modal());
    EXPECT_EQ(closes, 1);

    QTimer::singleShot(0, &form, [&form] { form.close(); }); // the title bar's close
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(closes, 2);
}

TEST(Form, KeyPreviewSeesTheFocusedControlsKeysFirst) {
    TForm form;
    QLabel field(&form);
    field.setFocusPolicy(Qt::StrongFocus);
    form.SetKeyPreview(true);
    form.show();
    field.setFocus();
    QApplication::setActiveWindow(&form);
    std::vector<int> pressed, released;
    form.OnKeyPress = [&](TForm*, QKeyEvent& key) {
        pressed.push_back(key.key());
        key.accept();
    };
    form.OnKeyUp = [&](TForm*, QKeyEvent& key) { released.push_back(key.key()); };
    QTest::keyClick(&field, Qt::Key_Escape);
    QTest::keyClick(&field, Qt::Key_Shift); // no character: no key press
    EXPECT_EQ(pressed, std::vector<int>{Qt::Key_Escape});
    EXPECT_EQ(released, (std::vector<int>{Qt::Key_Escape, Qt::Key_Shift}));
}

TEST(Form, DockedChildrenShareTheClientArea) {
    TForm form;
    QWidget top(&form), bottom1(&form), bottom2(&form), rest(&form), left(&form);
    top.resize(10, 20);
    bottom1.resize(10, 19);
    bottom2.resize(10, 31);
    left.resize(50, 10);
    form.SetAlign(&rest, alClient);
    form.SetAlign(&bottom1, alBottom);
    form.SetAlign(&bottom2, alBottom);
    form.SetAlign(&top, alTop);
    form.SetAlign(&left, alLeft);
    form.SetClientSize(300, 200);
    EXPECT_EQ(top.geometry(), QRect(0, 0, 300, 20));
    EXPECT_EQ(bottom1.geometry(), QRect(0, 181, 300, 19));
    EXPECT_EQ(bottom2.geometry(), QRect(0, 150, 300, 31));
    EXPECT_EQ(left.geometry(), QRect(0, 20, 50, 130));
    EXPECT_EQ(rest.geometry(), QRect(50, 20, 250, 130));
}

TEST(Form, FixedBorderKeepsTheSizeTheProgramSets) {
    TForm form;
    form.SetBorderStyle(bsSingle, biSystemMenu | biMinimize);
    form.SetClientSize(300, 200);
    EXPECT_FALSE(form.UserResizable());
    EXPECT_EQ(form.minimumSize(), QSize(300, 200));
    form.SetClientSize(320, 210);
    EXPECT_EQ(form.maximumSize(), QSize(320, 210));
    form.SetBorderStyle(bsSizeable, biSystemMenu | biMinimize | biMaximize);
    EXPECT_TRUE(form.UserMaximizable());
    EXPECT_EQ(form.size(), QSize(320, 210));
}

} // namespace
