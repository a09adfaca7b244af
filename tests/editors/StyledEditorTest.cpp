#include "EditorFixture.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/HolidayEditor.h"
#include "editors/windows/OtherEditor.h"
#include "platform/widgets/ClickableLabel.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

namespace {

class StyledEditors : public EditorTest {
  protected:
    static QStringList captions(const frmBirthday& w) {
        return {w.optStyle[0]->text(), w.optStyle[1]->text(), w.optStyle[2]->text()};
    }
    static QStringList labels(const frmAnniv& w) {
        return {w.lblStyle[0]->text(), w.lblStyle[1]->text(), w.lblStyle[2]->text()};
    }
};

TEST_F(StyledEditors, AddNeedsANameOtherThanTheTemplate) {
    auto birthday = adding<frmBirthday>(EntryKind::Birthday);
    auto anniv = adding<frmAnniv>(EntryKind::Anniversary);
    auto other = adding<frmOther>(EntryKind::Other);
    auto holiday = adding<frmHoliday>(EntryKind::Holiday);
    const std::pair<EntryEditor*, const char*> templates[] = {
        {birthday.get(), "[Person's Name]"},
        {anniv.get(), "[Name1 & Name2  LastName]"},
        {other.get(), "[Event Name]"},
        {holiday.get(), "[Event Name]"}};
    for (const auto& [w, text] : templates) {
        const QString name = QLatin1String(text);
        EXPECT_EQ(w->txtName->text(), name);
        EXPECT_FALSE(w->cmdAdd->isEnabled()) << text;
        for (const QString& typed : {name.toLower(), name + u' ', QStringLiteral("x") + name}) {
            w->txtName->setText(typed);
            EXPECT_TRUE(w->cmdAdd->isEnabled()) << qPrintable(typed);
        }
        w->txtName->clear();
        EXPECT_FALSE(w->cmdAdd->isEnabled()) << text;
        w->txtName->setText(name);
        EXPECT_FALSE(w->cmdAdd->isEnabled()) << text;
    }
    anniv->txtName->setText(QString(60, u'x'));
    EXPECT_EQ(anniv->txtName->text().size(), 50);
    birthday->txtName->setText(QString(60, u'x'));
    EXPECT_EQ(birthday->txtName->text().size(), 60);
}

TEST_F(StyledEditors, PreviewsCountTheYearsToTheShownYear) {
    app.DisplayYear = 2000;
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    QTest::keyClicks(w->txtName, "N");
    const std::pair<int, const char*> counts[] = {
        {1999, "N -- 1st Birthday"},  {2000, "N -- 0th Birthday"},   {2001, "N -- -1st Birthday"},
        {1989, "N -- 11th Birthday"}, {1988, "N -- 12th Birthday"},  {1987, "N -- 13th Birthday"},
        {1979, "N -- 21st Birthday"}, {1889, "N -- 111th Birthday"}, {1880, "N -- 120th Birthday"}};
    for (const auto& [year, preview] : counts) {
        w->vsbYear->setNumber(year);
        EXPECT_EQ(w->optStyle[0]->text(), QLatin1String(preview));
    }
    EXPECT_EQ(captions(*w), QStringList({"N -- 120th Birthday", "N 1880", "N"}));
}

TEST_F(StyledEditors, PreviewsFollowEveryKeystrokeAndYearButNotMonthOrDay) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    EXPECT_EQ(captions(*w), QStringList({"[Person's Name] -- 0th Birthday", "[Person's Name] 2027",
                                         "[Person's Name]"}));
    w->txtName->clear();
    EXPECT_EQ(captions(*w), QStringList({" -- 0th Birthday", " 2027", ""}));
    QTest::keyClicks(w->txtName, "Al");
    EXPECT_EQ(captions(*w)[2], "Al");
    app.DisplayYear = 2030; // only a change of name or year shows it
    w->cboMonth->setCurrentIndex(4);
    w->vsbDate->setNumber(9);
    EXPECT_EQ(captions(*w)[0], "Al -- 0th Birthday");
    w->vsbYear->setNumber(2020);
    EXPECT_EQ(captions(*w), QStringList({"Al -- 10th Birthday", "Al 2020", "Al"}));
}

TEST_F(StyledEditors, AnniversaryPreviewsAreLabelsBesideTheOptions) {
    app.DisplayYear = 2000;
    auto w = adding<frmAnniv>(EntryKind::Anniversary);
    EXPECT_EQ(w->windowTitle(), "Add Anniversary");
    EXPECT_NE(w->findChild<QLabel*>("lblNames"), nullptr);
    EXPECT_EQ(w->fraAnniv->title(), "Anniversary");
    EXPECT_TRUE(w->optStyle[0]->text().isEmpty());
    EXPECT_EQ(labels(*w)[2], "[Name1 & Name2  LastName]");
    w->txtName->setText("Jo & Al Lee");
    w->vsbYear->setNumber(1975);
    EXPECT_EQ(labels(*w),
              QStringList({"Jo & Al Lee -- 25th Anniversary", "Jo & Al Lee 1975", "Jo & Al Lee"}));
    QTest::mouseClick(w->lblStyle[1], Qt::LeftButton);
    EXPECT_TRUE(w->optStyle[1]->isChecked());
}

TEST_F(StyledEditors, TheChosenStyleIsStoredAndSurvivesAReset) {
    app.Options.AfterAdd = "Remain";
    listing(EntryKind::Birthday);
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    w->optStyle[2]->setChecked(true);
    w->txtName->setText("Tom & Jerry");
    EXPECT_EQ(w->optStyle[2]->text(), "Tom && Jerry"); // shown with its "&", not as a key
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.Birthdays[0].Style.text(), "3");
    EXPECT_EQ(app.Document.Birthdays[0].Name, "Tom & Jerry");
    EXPECT_TRUE(w->optStyle[2]->isChecked());

    auto edit = editing<frmBirthday>(EntryKind::Birthday, 0);
    EXPECT_TRUE(edit->optStyle[2]->isChecked());
}

} // namespace
