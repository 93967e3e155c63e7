#include "ui/frmOption.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <string_view>

namespace brenvik::ui {
namespace {

enum Frame { fraCopy, fraMark, fraNet };

Frame frameOf(std::string_view key) {
    if (key.starts_with("Copy")) return fraCopy;
    if (key.starts_with("Net")) return fraNet;
    return fraMark;
}

// chkCopyHeader ... chkMarkLeft; the network key's box drops the "Net".
QString controlName(std::string_view key) {
    if (key.starts_with("Net")) key.remove_prefix(3);
    return QStringLiteral("chk") +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

frmOption::frmOption(QWidget* parent, bool blnTopMost) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral(" オプション"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (blnTopMost) setWindowFlag(Qt::WindowStaysOnTopHint, true);

    std::array<QGroupBox*, 3> frames{
        new QGroupBox(QStringLiteral("クリップボードへコピー(&C)"), this),
        new QGroupBox(QStringLiteral("マーク方法(&M)"), this),
        new QGroupBox(QStringLiteral("ネットワーク(&N)"), this),
    };
    frames[fraCopy]->setObjectName(QStringLiteral("fraCopy"));
    frames[fraMark]->setObjectName(QStringLiteral("fraMark"));
    frames[fraNet]->setObjectName(QStringLiteral("fraNet"));
    for (QGroupBox* f : frames) new QVBoxLayout(f);

    const Settings& s = basIniFile::values();
    for (const basIniFile::KeyInfo& key : basIniFile::Keys()) {
        if (key.type != basIniFile::KeyType::Byte || !key.optionCaption) continue;
        QGroupBox* frame = frames[frameOf(key.name)];
        auto* box = new QCheckBox(QString::fromUtf8(key.optionCaption), frame);
        box->setObjectName(controlName(key.name));
        box->setChecked(s.*key.byteMember != 0);
        frame->layout()->addWidget(box);
        options_.push_back({&key, box});
    }

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* cmdFormat = new QPushButton(QStringLiteral("初期値に戻す"), this);
    cmdFormat->setObjectName(QStringLiteral("cmdFormat"));
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdFormat, &QPushButton::clicked, this, [this] { cmdFormat_Click(); });

    auto* right = new QVBoxLayout;
    right->addWidget(frames[fraMark]);
    right->addWidget(frames[fraNet]);
    right->addStretch(1);
    right->addWidget(cmdFormat);
    right->addSpacing(12);
    right->addWidget(cmdOK);
    right->addWidget(cmdCancel);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frames[fraCopy]);
    layout->addLayout(right);
    setFixedSize(sizeHint());
}

void frmOption::cmdOK_Click() {
    Settings& s = basIniFile::values();
    for (const Option& o : options_) s.*o.key->byteMember = o.box->isChecked() ? 1 : 0;
    accept();
}

void frmOption::cmdFormat_Click() {
    // Only the boxes: the settings change when OK follows.
    for (const Option& o : options_) o.box->setChecked(o.key->defaultValue != 0);
}

}  // namespace brenvik::ui
