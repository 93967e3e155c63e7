#include "ui/frmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

#include "app/AppInfo.h"
#include "app/Messages.h"
#include "app/ProgramFolder.h"
#include "app/basIniFile.h"
#include "app/basStandard.h"
#include "ui/MainCaption.h"
#include "ui/PageIcons.h"
#include "ui/frmOption.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/QtText.h"

namespace brenvik::ui {
namespace {

constexpr int kToolBarWidth = 70;

QLabel* placeholder(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #a0a0a0;"));
    return label;
}

QWidget* placeholderPage(const char* name, const QString& caption, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QString::fromUtf8(name));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(placeholder(caption, page));
    return page;
}

int scaledX(double px) {
    return static_cast<int>(std::lround(basStandard::ScalePixelsX(px)));
}
int scaledY(double px) {
    return static_cast<int>(std::lround(basStandard::ScalePixelsY(px)));
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    menu_ = BuildMainMenu(*menuBar());
    BuildBody();
    ConnectMenu();

    UserFolder = programFolder().join("UserData/Brenvik");
    TitleBase = MainTitleBase();
    UpdateCaption();

    ApplyOpeningSettings();
    Page = 0;
    ShowPage();
}

frmMain::~frmMain() = default;

void frmMain::BuildBody() {
    picMain = new QWidget(this);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAutoFillBackground(true);
    QPalette pal = picMain->palette();
    pal.setColor(QPalette::Window, Qt::white);
    picMain->setPalette(pal);
    auto* mainLayout = new QHBoxLayout(picMain);
    mainLayout->setContentsMargins(1, 1, 1, 1);
    mainLayout->setSpacing(0);

    picMenu = new QWidget(picMain);
    picMenu->setObjectName(QStringLiteral("picMenu"));
    picMenu->setFixedWidth(kToolBarWidth);
    picMenu->setFocusPolicy(Qt::StrongFocus);
    auto* menuLayout = new QVBoxLayout(picMenu);
    menuLayout->setContentsMargins(3, 3, 3, 3);
    menuLayout->setSpacing(4);
    const std::array<std::pair<const char*, PictureButton::Picture>, 4> buttons{{
        {"開催回", DrawRoundListIcon},
        {"マルチ", DrawMultiIcon},
        {"シングル", DrawSingleIcon},
        {"チェック", DrawCheckIcon},
    }};
    for (int i = 0; i < 4; ++i) {
        imgMenu[i] =
            new PictureButton(QString::fromUtf8(buttons[i].first), buttons[i].second, picMenu);
        imgMenu[i]->setObjectName(QStringLiteral("imgMenu(%1)").arg(i));
        connect(imgMenu[i], &QAbstractButton::clicked, this, [this, i] { imgMenu_Click(i); });
        menuLayout->addWidget(imgMenu[i], 0, Qt::AlignHCenter);
    }
    menuLayout->addStretch(1);
    mainLayout->addWidget(picMenu);

    pages_ = new QStackedWidget(picMain);
    pages_->setObjectName(QStringLiteral("picPages"));
    picGameList = BuildRoundListPage();
    picMulti = placeholderPage("picMulti", QStringLiteral("マルチ"), pages_);
    picSingle = placeholderPage("picSingle", QStringLiteral("シングル"), pages_);
    picCheckBase = placeholderPage("picCheckBase", QStringLiteral("チェック"), pages_);
    for (QWidget* page : {picGameList, picMulti, picSingle, picCheckBase}) pages_->addWidget(page);
    mainLayout->addWidget(pages_, 1);

    setCentralWidget(picMain);
}

QWidget* frmMain::BuildRoundListPage() {
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("picGameList"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(5, 5, 5, 5);

    auto* listView = new QFrame(page);
    listView->setObjectName(QStringLiteral("picGameListView"));
    listView->setFrameShape(QFrame::StyledPanel);
    auto* listLayout = new QVBoxLayout(listView);
    listLayout->addWidget(placeholder(QStringLiteral("開催回一覧"), listView));
    layout->addWidget(listView, 1);

    auto* side = new QWidget(page);
    auto* grid = new QGridLayout(side);
    grid->setContentsMargins(8, 0, 0, 0);
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("開催回"), side), row, 0);
    txtScheduleNo = new QSpinBox(side);
    txtScheduleNo->setObjectName(QStringLiteral("txtScheduleNo"));
    txtScheduleNo->setRange(0, 9999);
    txtScheduleNo->setValue(0);
    grid->addWidget(txtScheduleNo, row++, 1);
    grid->setRowMinimumHeight(row++, 8);
    auto* official = new QLabel(QStringLiteral("オフィシャルサイトよりダウンロード"), side);
    official->setObjectName(QStringLiteral("lblOfficialDownload"));
    grid->addWidget(official, row++, 0, 1, 2);
    const std::array<const char*, 3> captions{"開催情報", "投票状況", "くじ結果"};
    for (int i = 0; i < 3; ++i) {
        cmdOfficialDownload[i] = new QPushButton(QString::fromUtf8(captions[i]), side);
        cmdOfficialDownload[i]->setObjectName(QStringLiteral("cmdOfficialDownload(%1)").arg(i));
        cmdOfficialDownload[i]->setEnabled(false);
        grid->addWidget(cmdOfficialDownload[i], row++, 0, 1, 2);
    }
    grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(new QLabel(QStringLiteral("Talvenmooreよりダウンロード"), side), row++, 0, 1,
                    2);
    cmdTalvenmooreDownload = new QPushButton(QStringLiteral("海外チーム名"), side);
    cmdTalvenmooreDownload->setObjectName(QStringLiteral("cmdTalvenmooreDownload"));
    cmdTalvenmooreDownload->setEnabled(false);
    grid->addWidget(cmdTalvenmooreDownload, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    layout->addWidget(side, 0);
    return page;
}

void frmMain::ConnectMenu() {
    // Commands whose windows and files come later stay off until they exist.
    for (QAction* a :
         {menu_.mnuFile_Open, menu_.mnuFile_SaveAs, menu_.mnuFile_Csv_Open, menu_.mnuFile_Csv_Save,
          menu_.mnuFile_Print, menu_.mnuData_SetNoGame, menu_.mnuData_SetNoGameClear,
          menu_.mnuTool_Money, menu_.mnuTool_ClipCopy, menu_.mnuTool_PatternChecker})
        a->setEnabled(false);
    for (QAction* a : menu_.mnuData_OfficialDownload) a->setEnabled(false);

    connect(menu_.mnuFile_new, &QAction::triggered, this, [this] { mnuFile_new_Click(); });
    connect(menu_.mnuFile_End, &QAction::triggered, this, [this] { close(); });
    connect(menu_.mnuView_VoteGraph, &QAction::triggered, this,
            [this] { mnuView_VoteGraph_Click(); });
    connect(menu_.mnuView_VoteGraphText, &QAction::triggered, this,
            [this] { mnuView_VoteGraphText_Click(); });
    connect(menu_.mnuView_Nomal, &QAction::triggered, this, [this] { ViewSizeCommand(1); });
    connect(menu_.mnuView_Min, &QAction::triggered, this, [this] { ViewSizeCommand(2); });
    connect(menu_.mnuView_Mark, &QAction::triggered, this, [this] { ViewSizeCommand(3); });
    connect(menu_.mnuView_TopWindow, &QAction::triggered, this,
            [this] { mnuView_TopWindow_Click(); });
    connect(menu_.mnuTool_Option, &QAction::triggered, this, [this] { mnuTool_Option_Click(); });
    connect(menu_.mnuHelp_Version, &QAction::triggered, this, [this] { mnuHelp_Version_Click(); });
}

void frmMain::ApplyOpeningSettings() {
    const Settings& s = basIniFile::values();
    // The same commands as the View menu, so the ticks and the views agree with the state.
    if (const int32_t size = MainViewState::OpeningViewSize(s.AppViewType)) ViewSizeCommand(size);
    if (!s.AppVoteGraph) view_.VoteGraphOn = true;  // the toggle below then turns it off
    mnuView_VoteGraph_Click();
    if (s.AppVoteGraphText) mnuView_VoteGraphText_Click();
    if (s.AppTopWindow) mnuView_TopWindow_Click();
}

std::string frmMain::GetLoadFileName() const {
    return basStandard::FileNameOfPath(FileName);
}

void frmMain::UpdateCaption() {
    setWindowTitle(toQ(MainCaption(TitleBase, SingleMode, FileName)));
}

void frmMain::ShowPage() {
    for (PictureButton* b : imgMenu) b->setSelected(false);
    pages_->setCurrentIndex(Page);
    imgMenu[Page]->setSelected(true);
}

void frmMain::imgMenu_Click(int intIndex) {
    switch (intIndex) {
        case 0:
            Page = 0;
            ShowPage();
            break;
        case 1:
            if (SingleMode) {
                showInformation(" シングルモード実行中",
                                "シングルデータからマルチデータには変換出来ません。");
                return;
            }
            Page = 1;
            ShowPage();
            break;
        case 2:
        case 3:
            Page = intIndex;
            ShowPage();
            // The arrow keys page the singles and the hit list from the tool bar.
            picMenu->setFocus();
            break;
        default:
            break;
    }
}

void frmMain::mnuFile_new_Click() {
    if (view_.ViewSize == 3) ViewSizeCommand(2);
    SingleMode = false;
    Page = 0;
    ShowPage();
    FileName.clear();
    UpdateCaption();
}

void frmMain::mnuView_VoteGraph_Click() {
    menu_.mnuView_VoteGraph->setChecked(view_.ToggleVoteGraph());
}

void frmMain::mnuView_VoteGraphText_Click() {
    menu_.mnuView_VoteGraphText->setChecked(view_.ToggleVoteText());
}

void frmMain::mnuView_TopWindow_Click() {
    menu_.mnuView_TopWindow->setChecked(view_.ToggleTopMost());
    ApplyTopMost();
}

void frmMain::ApplyTopMost() {
    // Changing the flag re-creates the native window, hiding it; bring it back where it was
    // without taking the focus.
    const bool wasVisible = isVisible();
    const QPoint where = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, view_.TopMost);
    if (wasVisible) {
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        move(where);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

void frmMain::ViewSizeCommand(int32_t lngSize) {
    // Choosing the size in use does nothing; the exclusive group keeps its tick.
    if (lngSize == view_.ViewSize) return;
    if (lngSize == 3) imgMenu_Click(1);
    view_.SetViewSize(lngSize);
    SetViewOld(lngSize);
}

void frmMain::SetViewOld(int32_t lngSize) {
    QAction* ticked = lngSize == 1   ? menu_.mnuView_Nomal
                      : lngSize == 2 ? menu_.mnuView_Min
                      : lngSize == 3 ? menu_.mnuView_Mark
                                     : nullptr;
    for (QAction* a : {menu_.mnuView_Nomal, menu_.mnuView_Min, menu_.mnuView_Mark})
        a->setChecked(a == ticked);
    if (lngSize == 1) resize(scaledX(1016), scaledY(628));
    if (lngSize == 2) resize(scaledX(795), scaledY(555));
}

void frmMain::mnuTool_Option_Click() {
    frmOption dialog(this, GetTopWindow());
    dialog.exec();
}

void frmMain::mnuHelp_Version_Click() {
    showInformation(app::Title, std::string(app::ProductName) + " Version " +
                                    basStandard::AppVersionText() + "\r\n" + app::LegalCopyright);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    // The settings reach the file only here, once per run.
    if (unloaded_) return;
    unloaded_ = true;
    basIniFile::SaveIniFile();
    emit Unloaded();
}

}  // namespace brenvik::ui
