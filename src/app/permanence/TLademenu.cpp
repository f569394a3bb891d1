// The load menu over the engine's load-menu rules.
#include "permanence/TLademenu.h"

#include "common/AppText.h"
#include "common/FileDialogs.h"
#include "permanence/LoadMenu.h"
#include "permanence/LoadMenuTexts.h"
#include "permanence/LoadSet.h"
#include "permanence/SignalLamp.h"
#include "permanence/StartOptions.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

constexpr int FileFieldWidth = 230;
constexpr int CountFieldWidth = 64;
constexpr int NumberFieldWidth = 72;
// Enough digits for the largest start value the engine takes.
constexpr int NumberFieldLength = 15;

QString runFileDialog(QWidget* parent, const LoadFileRequest& request) {
    return chooseExistingFile(parent, "HLadeopenfile", request);
}

// Only a changed text is set: setting it moves the cursor and ends a selection.
void showText(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

void showCount(QLineEdit* field, const std::optional<std::int64_t>& coups) {
    showText(field, coups ? QString::number(*coups) : QString());
}

void setChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

// A focus that comes back from a message box or another window is no entering or leaving.
bool byTheUser(const QEvent& event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TLademenu::TLademenu(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), pause_(game), chooseFile_(runFileDialog) {
    setObjectName("TLademenu");
    ShortCup_ = new QCheckBox(this);
    ShortCup_->setObjectName("ShortCup");
    LaFileMenuOK_ = new QPushButton(this);
    LaFileMenuOK_->setObjectName("LaFileMenuOK");
    LaFileMenuOK_->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ShortCup_);
    bottom->addStretch();
    bottom->addWidget(LaFileMenuOK_);
    // The options stand beside the main and follow files, the check box and OK beside the
    // collect file.
    auto* layout = new QGridLayout(this);
    layout->addWidget(buildMainGroup(), 0, 0);
    layout->addWidget(buildFollowGroup(), 1, 0);
    layout->addWidget(buildOptionGroup(), 0, 1, 2, 1);
    layout->addWidget(buildCollectGroup(), 2, 0);
    layout->addLayout(bottom, 2, 1, Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectControls();

    openLoadMenu(game_);
    const Settings& settings = game_.state().settings;
    setChecked(ShortCup_, settings.ShortCup);
    setChecked(ChB_PauseonEnde_, settings.PauseAtLoadEnd);
    setCaptions();
    showModel();
    HaLafile_->setFocus();
}

QLineEdit* TLademenu::fileField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(FileFieldWidth);
    field->installEventFilter(this);
    return field;
}

QLineEdit* TLademenu::countField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(CountFieldWidth);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QLineEdit* TLademenu::digitField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(NumberFieldWidth);
    field->setMaxLength(NumberFieldLength);
    field->setAlignment(Qt::AlignRight);
    field->installEventFilter(this);
    return field;
}

QGroupBox* TLademenu::buildMainGroup() {
    mainGroup_ = new QGroupBox(this);
    mainGroup_->setObjectName("GB_Hauptladedatei");
    HaLafile_ = fileField(mainGroup_, "HaLafile");
    CupCounterHaupt_ = countField(mainGroup_, "CupCounterHaupt");
    HaLaReset_ = new QPushButton(mainGroup_);
    HaLaReset_->setObjectName("HaLaReset");
    HaLaReset_->setAutoDefault(false);
    HaLaReset_->setFixedWidth(CountFieldWidth);
    HaLaAktiv_ = new QCheckBox(mainGroup_);
    HaLaAktiv_->setObjectName("HaLaAktiv");
    ChB_PauseonEnde_ = new QCheckBox(mainGroup_);
    ChB_PauseonEnde_->setObjectName("ChB_PauseonEnde");
    auto* grid = new QGridLayout(mainGroup_);
    grid->addWidget(HaLafile_, 0, 0, 1, 2);
    grid->addWidget(CupCounterHaupt_, 0, 2);
    grid->addWidget(HaLaAktiv_, 1, 0);
    grid->addWidget(ChB_PauseonEnde_, 1, 1);
    grid->addWidget(HaLaReset_, 1, 2);
    grid->setColumnStretch(1, 1);
    return mainGroup_;
}

QGroupBox* TLademenu::buildFollowGroup() {
    followGroup_ = new QGroupBox(this);
    followGroup_->setObjectName("GB_Folgeladedatei");
    auto* grid = new QGridLayout(followGroup_);
    for (int slot = 1; slot <= FollowSlots; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        followLabels_[i] = new QLabel(followGroup_);
        followLabels_[i]->setObjectName(QString("LA_Datei%1").arg(slot));
        FoLaFile_[i] = fileField(followGroup_, QString("FoLaFile%1").arg(slot));
        CupFolge_[i] = countField(followGroup_, QString("CupFolge%1").arg(slot));
        grid->addWidget(followLabels_[i], slot - 1, 0);
        grid->addWidget(FoLaFile_[i], slot - 1, 1);
        grid->addWidget(CupFolge_[i], slot - 1, 2);
    }
    grid->setColumnStretch(1, 1);
    return followGroup_;
}

QGroupBox* TLademenu::buildCollectGroup() {
    collectGroup_ = new QGroupBox(this);
    collectGroup_->setObjectName("GB_Sammelladedatei");
    SaLaFile_ = fileField(collectGroup_, "SaLaFile");
    SaLaReset_ = new QPushButton(collectGroup_);
    SaLaReset_->setObjectName("SaLaReset");
    SaLaReset_->setAutoDefault(false);
    SaLaReset_->setFixedWidth(CountFieldWidth);
    SaLaAktiv1_ = new QCheckBox(collectGroup_);
    SaLaAktiv1_->setObjectName("SaLaAktiv1");
    auto* grid = new QGridLayout(collectGroup_);
    grid->addWidget(SaLaFile_, 0, 0);
    grid->addWidget(SaLaReset_, 0, 1);
    grid->addWidget(SaLaAktiv1_, 1, 0);
    grid->setColumnStretch(0, 1);
    return collectGroup_;
}

QGroupBox* TLademenu::buildOptionGroup() {
    optionGroup_ = new QGroupBox(this);
    optionGroup_->setObjectName("GB_Option");
    const auto radio = [this](const char* name) {
        auto* button = new QRadioButton(optionGroup_);
        button->setObjectName(name);
        return button;
    };
    const auto lamp = [this](const char* name) {
        auto* shown = new SignalLamp(optionGroup_);
        shown->setObjectName(name);
        return shown;
    };
    const auto label = [this](const char* name) {
        auto* text = new QLabel(optionGroup_);
        text->setObjectName(name);
        return text;
    };
    NormalRaBu_ = radio("NormalRaBu");
    FixRaBu_ = radio("FixRaBu");
    RandomRaBu_ = radio("RandomRaBu");
    RandomAngBu_ = radio("RandomAngBu");
    FixRando_ = digitField(optionGroup_, "FixRando");
    MinRando_ = digitField(optionGroup_, "MinRando");
    MaxRando_ = digitField(optionGroup_, "MaxRando");
    maxDauRand_ = digitField(optionGroup_, "maxDauRand");
    maxAngRand_ = new QSpinBox(optionGroup_);
    maxAngRand_->setObjectName("maxAngRand");
    maxAngRand_->setRange(1, HighestAttackCount);
    maxAngRand_->setFixedWidth(NumberFieldWidth);
    maxAngRand_->setAlignment(Qt::AlignRight);
    // A typed count counts once it is entered, not at every digit.
    maxAngRand_->setKeyboardTracking(false);
    maxAngRand_->installEventFilter(this);
    rangeToLabel_ = label("LA_bis");
    attackCountLabel_ = label("LA_maxAngriffe");
    attackLengthLabel_ = label("LA_Dauer");
    FixLed_ = lamp("FixLed");
    ZuRaLed_ = lamp("ZuRaLed");
    ZuAnLed_ = lamp("ZuAnLed");

    auto* grid = new QGridLayout(optionGroup_);
    grid->addWidget(NormalRaBu_, 0, 0);
    grid->addWidget(FixRaBu_, 1, 0);
    grid->addWidget(FixRando_, 1, 1);
    grid->addWidget(FixLed_, 1, 4);
    grid->addWidget(RandomRaBu_, 2, 0);
    grid->addWidget(MinRando_, 2, 1);
    grid->addWidget(rangeToLabel_, 2, 2, Qt::AlignCenter);
    grid->addWidget(MaxRando_, 2, 3);
    grid->addWidget(ZuRaLed_, 2, 4);
    grid->addWidget(attackCountLabel_, 3, 1, Qt::AlignBottom);
    grid->addWidget(attackLengthLabel_, 3, 3, Qt::AlignBottom);
    grid->addWidget(RandomAngBu_, 4, 0);
    grid->addWidget(maxAngRand_, 4, 1);
    grid->addWidget(maxDauRand_, 4, 3);
    grid->addWidget(ZuAnLed_, 4, 4);
    grid->setColumnMinimumWidth(2, 24);
    grid->setRowStretch(5, 1);
    return optionGroup_;
}

void TLademenu::connectControls() {
    connect(HaLaAktiv_, &QCheckBox::clicked, this, [this](bool ticked) {
        bool active = false;
        handle([this, ticked, &active] { active = HaLaAktivClick(game_, ticked); });
        if (active && isVisible()) {
            LaFileMenuOK_->setFocus();
        }
    });
    connect(SaLaAktiv1_, &QCheckBox::clicked, this,
            [this](bool ticked) { handle([this, ticked] { SaLaAktiv1Click(game_, ticked); }); });
    connect(HaLaReset_, &QPushButton::clicked, this, [this] {
        handle([this] { HaLaResetClick(game_); });
        HaLafile_->setFocus();
    });
    connect(SaLaReset_, &QPushButton::clicked, this,
            [this] { handle([this] { SaLaResetClick(game_); }); });
    const std::pair<QRadioButton*, LoadStartMode> modes[] = {
        {NormalRaBu_, LoadStartMode::Normal},
        {FixRaBu_, LoadStartMode::Fix},
        {RandomRaBu_, LoadStartMode::Random},
        {RandomAngBu_, LoadStartMode::RandomAttacks},
    };
    for (const auto& [button, mode] : modes) {
        connect(button, &QRadioButton::clicked, this,
                [this, mode] { handle([this, mode] { selectStartMode(game_, mode); }); });
    }
    // The arrows and the mouse wheel; a typed count arrives on Enter or leaving.
    connect(maxAngRand_, &QSpinBox::valueChanged, this, [this] {
        if (!handling_) {
            applyNumberField(maxAngRand_);
        }
    });
    connect(LaFileMenuOK_, &QPushButton::clicked, this, &TLademenu::LaFileMenuOKClick);
}

void TLademenu::setCaptions() {
    const Language l = game_.state().language();
    setWindowTitle(qText(LoadMenuCaption[l]));
    mainGroup_->setTitle(qText(MainLoadFileGroupCaption[l]));
    followGroup_->setTitle(qText(FollowLoadFileGroupCaption[l]));
    collectGroup_->setTitle(qText(CollectLoadFileGroupCaption[l]));
    optionGroup_->setTitle(qText(StartOptionGroupCaption[l]));
    HaLaAktiv_->setText(qText(LoadFileActiveCaption[l]));
    SaLaAktiv1_->setText(qText(LoadFileActiveCaption[l]));
    HaLaReset_->setText(qText(LoadFileResetCaption[l]));
    SaLaReset_->setText(qText(LoadFileResetCaption[l]));
    ChB_PauseonEnde_->setText(qText(PauseAtLoadEndCaption[l]));
    for (std::size_t i = 0; i < followLabels_.size(); ++i) {
        followLabels_[i]->setText(qText(FollowSlotCaption[l]) + QString::number(i + 1) + ':');
    }
    NormalRaBu_->setText(qText(NormalStartCaption[l]));
    FixRaBu_->setText(qText(FixStartCaption[l]));
    RandomRaBu_->setText(qText(RandomStartCaption[l]));
    RandomAngBu_->setText(qText(RandomAttacksCaption[l]));
    rangeToLabel_->setText(qText(RandomRangeToCaption[l]));
    attackCountLabel_->setText(qText(AttackCountCaption[l]));
    attackLengthLabel_->setText(qText(AttackLengthCaption[l]));
    ShortCup_->setText(qText(ShortCupCaption[l]));
    LaFileMenuOK_->setText(qText(LoadMenuOkCaption[l]));
}

void TLademenu::showModel() {
    const GameState& state = game_.state();
    const Settings& settings = state.settings;
    const LoadSet& set = state.permanence.load;
    const LoadMenuState& menu = state.permanence.menu;
    const StartOptions& options = menu.options;

    showText(HaLafile_, qText(loadFileFieldText(settings.MainLoadFile)));
    showCount(CupCounterHaupt_, menu.CupCounterHaupt);
    setChecked(HaLaAktiv_, set.HaLaAktiv);
    for (std::size_t i = 0; i < FoLaFile_.size(); ++i) {
        showText(FoLaFile_[i], qText(loadFileFieldText(settings.FollowLoadFiles[i])));
        // Follow files follow an active main file.
        FoLaFile_[i]->setEnabled(set.HaLaAktiv);
        showCount(CupFolge_[i], menu.CupFolge[i]);
    }
    showText(SaLaFile_, qText(loadFileFieldText(settings.CollectLoadFile)));
    setChecked(SaLaAktiv1_, set.SaLaAktiv1);

    setChecked(NormalRaBu_, options.StartMode == LoadStartMode::Normal);
    setChecked(FixRaBu_, options.StartMode == LoadStartMode::Fix);
    setChecked(RandomRaBu_, options.StartMode == LoadStartMode::Random);
    setChecked(RandomAngBu_, options.StartMode == LoadStartMode::RandomAttacks);
    for (QWidget* control : std::initializer_list<QWidget*>{NormalRaBu_, FixRaBu_, RandomRaBu_,
                                                            FixRando_, MinRando_, MaxRando_}) {
        control->setEnabled(menu.startOptionsEnabled);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{RandomAngBu_, maxAngRand_, maxDauRand_}) {
        control->setEnabled(menu.randomAttacksEnabled);
    }
    showText(FixRando_, QString::number(options.FixStartCoup));
    showText(MinRando_, QString::number(options.RandomStartMin));
    showText(MaxRando_, QString::number(options.RandomStartMax));
    {
        const QSignalBlocker blocker(maxAngRand_);
        maxAngRand_->setValue(options.MaxAttacks);
    }
    showText(maxDauRand_, QString::number(options.AttackLength));
    FixLed_->setLamp(menu.FixLed);
    ZuRaLed_->setLamp(menu.ZuRaLed);
    ZuAnLed_->setLamp(menu.ZuAnLed);
    ZuAnLed_->setToolTip(qText(menu.attackLampHint));
}

template <typename Rule>
void TLademenu::handle(Rule&& rule) {
    handling_ = true;
    rule();
    handling_ = false;
    showModel();
}

QString TLademenu::chooseLoadFile(std::size_t filter) {
    LoadFileRequest request;
    request.folder = QString::fromStdString(loadFileFolder(game_.state()).string());
    request.filters = fileDialogFilters(LoadFileFilters);
    request.selectedFilter = static_cast<int>(filter);
    return chooseFile_(this, request);
}

void TLademenu::HaLafileDblClick() {
    const QString name = chooseLoadFile(LoadFileFilter);
    if (name.isEmpty()) {
        return;
    }
    bool active = false;
    handle([this, &name, &active] {
        active = HaLafileChosen(game_, name.toStdString(), FileChoice::Dialog);
    });
    (active ? static_cast<QWidget*>(LaFileMenuOK_) : HaLafile_)->setFocus();
}

void TLademenu::FoLaFileDblClick(int slot) {
    const QString name = chooseLoadFile(LoadFileFilter);
    if (!name.isEmpty()) {
        handle([this, slot, &name] {
            FoLaFileChosen(game_, slot, name.toStdString(), FileChoice::Dialog);
        });
    }
}

void TLademenu::SaLaFileDblClick() {
    const QString name = chooseLoadFile(CollectFileFilter);
    if (!name.isEmpty()) {
        handle([this, &name] { SaLaFileChosen(game_, name.toStdString(), FileChoice::Dialog); });
    }
}

int TLademenu::followSlotOf(const QObject* field) const {
    const auto at = std::find(FoLaFile_.begin(), FoLaFile_.end(), field);
    return at == FoLaFile_.end() ? 0 : static_cast<int>(at - FoLaFile_.begin()) + 1;
}

bool TLademenu::isFileField(const QObject* field) const {
    return field == HaLafile_ || field == SaLaFile_ || followSlotOf(field) != 0;
}

void TLademenu::fileFieldDblClick(const QObject* field) {
    if (field == HaLafile_) {
        HaLafileDblClick();
    } else if (field == SaLaFile_) {
        SaLaFileDblClick();
    } else {
        FoLaFileDblClick(followSlotOf(field));
    }
}

void TLademenu::fileFieldEntered(const QObject* field) {
    const std::string typed = static_cast<const QLineEdit*>(field)->text().toStdString();
    if (field == HaLafile_) {
        bool active = false;
        handle(
            [this, &typed, &active] { active = HaLafileChosen(game_, typed, FileChoice::Typed); });
        (active ? static_cast<QWidget*>(LaFileMenuOK_) : HaLafile_)->setFocus();
    } else if (field == SaLaFile_) {
        handle([this, &typed] { SaLaFileChosen(game_, typed, FileChoice::Typed); });
    } else {
        const int slot = followSlotOf(field);
        handle([this, slot, &typed] { FoLaFileChosen(game_, slot, typed, FileChoice::Typed); });
    }
}

bool TLademenu::fileFieldKey(const QObject* field, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        fileFieldEntered(field);
        return true;
    }
    return false;
}

LoadStartMode TLademenu::modeOfField(const QObject* field) const {
    if (field == FixRando_) {
        return LoadStartMode::Fix;
    }
    if (field == MinRando_ || field == MaxRando_) {
        return LoadStartMode::Random;
    }
    return LoadStartMode::RandomAttacks;
}

bool TLademenu::isNumberField(const QObject* field) const {
    return field == FixRando_ || field == MinRando_ || field == MaxRando_ || field == maxAngRand_ ||
           field == maxDauRand_;
}

void TLademenu::numberFieldEntered(QObject* field) {
    bool selected = true;
    const LoadStartMode mode = modeOfField(field);
    handle([this, mode, &selected] { selected = selectStartMode(game_, mode); });
    if (!selected) {
        // The change was not confirmed: the user stays with the start mode he had.
        auto* entered = static_cast<QWidget*>(field);
        QTimer::singleShot(0, this, [this, entered] {
            for (QRadioButton* button : {NormalRaBu_, FixRaBu_, RandomRaBu_, RandomAngBu_}) {
                if (entered->hasFocus() && button->isChecked()) {
                    button->setFocus();
                }
            }
        });
    }
}

void TLademenu::applyNumberField(QObject* field) {
    if (field == FixRando_) {
        handle([this] { applyFixRando(game_, FixRando_->text().toStdString()); });
    } else if (field == MinRando_ || field == MaxRando_) {
        handle([this] {
            applyRandomRange(game_, MinRando_->text().toStdString(),
                             MaxRando_->text().toStdString());
        });
    } else {
        {
            const QSignalBlocker blocker(maxAngRand_);
            maxAngRand_->interpretText();
        }
        handle([this] {
            applyAttacks(game_, maxAngRand_->value(), maxDauRand_->text().toStdString());
        });
    }
}

bool TLademenu::numberFieldKey(QObject* field, const QKeyEvent& key) {
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        applyNumberField(field);
        return true;
    }
    // Characters the field refuses are swallowed; moving keys and shortcuts work as usual.
    const QString text = key.text();
    const bool shortcut =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    char typed = '\0';
    if (key.key() == Qt::Key_Backspace) {
        typed = '\b';
    } else if (!shortcut && text.size() == 1 && text.at(0).isPrint()) {
        typed = text.at(0).toLatin1();
    } else {
        return false;
    }
    return !digitFieldKey(typed);
}

bool TLademenu::eventFilter(QObject* watched, QEvent* event) {
    if (isFileField(watched)) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            fileFieldDblClick(watched);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            return fileFieldKey(watched, static_cast<const QKeyEvent&>(*event));
        }
    } else if (isNumberField(watched)) {
        if (event->type() == QEvent::KeyPress) {
            return numberFieldKey(watched, static_cast<const QKeyEvent&>(*event));
        }
        if (!handling_ && event->type() == QEvent::FocusIn && byTheUser(*event)) {
            numberFieldEntered(watched);
        } else if (!handling_ && event->type() == QEvent::FocusOut && byTheUser(*event)) {
            applyNumberField(watched);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TLademenu::LaFileMenuOKClick() {
    for (QWidget* field : std::initializer_list<QWidget*>{FixRando_, MinRando_, MaxRando_,
                                                          maxAngRand_, maxDauRand_}) {
        if (field->hasFocus()) {
            applyNumberField(field);
        }
    }
    handle([this] {
        quendra::LaFileMenuOKClick(game_, ShortCup_->isChecked(), ChB_PauseonEnde_->isChecked());
    });
    accept();
}

} // namespace quendra::app
