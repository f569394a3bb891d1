// The options dialog over the engine's options model.
#include "options/TOptionen.h"

#include "common/AppText.h"
#include "game/OptionsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

constexpr int DialogWidth = 418;
constexpr int DialogHeight = 691;
constexpr int CapitalStep = 100;
constexpr int DelayStep = 10;

QString shortDate(std::chrono::year_month_day date) {
    if (!date.ok()) {
        return {};
    }
    const QDate shown(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                      static_cast<int>(unsigned{date.day()}));
    return QLocale().toString(shown, QLocale::ShortFormat);
}

std::chrono::year_month_day today() {
    const QDate date = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

// The two groups share their column split, so their fields line up.
void alignColumns(QGridLayout* grid) {
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

void setChecked(QCheckBox* box, bool checked) {
    const QSignalBlocker blocker(box);
    box->setChecked(checked);
}

void setSpin(QSpinBox* spin, int minimum, int maximum, int value) {
    const QSignalBlocker blocker(spin);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
}

} // namespace

TOptionen::TOptionen(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), pause_(game), dialog_(OpenOptionsDialog(game.state())) {
    setObjectName("TOptionen");
    setFixedSize(DialogWidth, DialogHeight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildPlayerCount());
    layout->addWidget(buildGeneral());
    layout->addWidget(buildPlayerOptions());
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildEditor());
    lower->addWidget(buildUpdate(), 1);
    layout->addLayout(lower);
    layout->addStretch();
    layout->addWidget(buildButtons());
    connectControls();
    setCaptions();
    showModel();
    ok_->setFocus();
}

QCheckBox* TOptionen::checkBox(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    return box;
}

QLabel* TOptionen::label(QWidget* parent, const char* name) {
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    return text;
}

QSpinBox* TOptionen::spinBox(QWidget* parent, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->installEventFilter(this);
    // The edit inside gets the keys; the filter decides what they do.
    spin->findChild<QLineEdit*>()->installEventFilter(this);
    return spin;
}

QWidget* TOptionen::buildPlayerCount() {
    playerCount_ = new QGroupBox(this);
    playerCount_->setObjectName("RadioGroup1");
    auto* row = new QHBoxLayout(playerCount_);
    for (std::size_t p = 0; p < players_.size(); ++p) {
        players_[p] = new QRadioButton(playerCount_);
        players_[p]->setObjectName(QString("Spieler%1RB").arg(p + 1));
        row->addWidget(players_[p]);
    }
    return playerCount_;
}

QGroupBox* TOptionen::buildGeneral() {
    general_ = new QGroupBox(this);
    general_->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(general_);
    alignColumns(grid);
    languageLabel_ = label(general_, "op_sprache");
    language_ = new QComboBox(general_);
    language_->setObjectName("Sprache");
    for (std::string_view item : LanguageItems) {
        language_->addItem(qText(item));
    }
    delayLabel_ = label(general_, "Zeitbalkendauer");
    delay_ = spinBox(general_, "Balkendauer");
    manualTimeBar_ = checkBox(general_, "ManuZeit");
    startScreenOff_ = checkBox(general_, "StartOff");
    showDolly_ = checkBox(general_, "Dolly_Dis");
    showSelection_ = checkBox(general_, "Grid_Dis");
    tableLabel_ = label(general_, "LA_Tisch");
    french_ = new QRadioButton(general_);
    french_->setObjectName("FranzTischRA");
    american_ = new QRadioButton(general_);
    american_->setObjectName("ArmiTischRA");
    grid->addWidget(languageLabel_, 0, 0);
    grid->addWidget(language_, 0, 1);
    grid->addWidget(delayLabel_, 1, 0);
    grid->addWidget(delay_, 1, 1);
    grid->addWidget(manualTimeBar_, 2, 0);
    grid->addWidget(startScreenOff_, 2, 1);
    grid->addWidget(showDolly_, 3, 0);
    grid->addWidget(showSelection_, 3, 1);
    grid->addWidget(tableLabel_, 4, 0);
    grid->addWidget(french_, 4, 1);
    grid->addWidget(american_, 5, 1);
    return general_;
}

QGroupBox* TOptionen::buildPlayerOptions() {
    playerOptions_ = new QGroupBox(this);
    playerOptions_->setObjectName("GroupBox2");
    auto* grid = new QGridLayout(playerOptions_);
    alignColumns(grid);
    capitalLabel_ = label(playerOptions_, "Anfangskap");
    capital_ = spinBox(playerOptions_, "SpKapital");
    capital_->setSingleStep(CapitalStep);
    pieces_ = new QRadioButton(playerOptions_);
    pieces_->setObjectName("StueckButton");
    real_ = new QRadioButton(playerOptions_);
    real_->setObjectName("RealButton");
    pieceValueLabel_ = label(playerOptions_, "zu");
    pieceValue_ = spinBox(playerOptions_, "Stuecklung");
    // A piece value counts once it is entered, not at every digit typed.
    pieceValue_->setKeyboardTracking(false);
    chipLimitOn_ = checkBox(playerOptions_, "Ch_Cheton_Oberg");
    chipLimitLabel_ = label(playerOptions_, "LA_bei");
    chipLimit_ = spinBox(playerOptions_, "SP_Cheton_Oberg_Value");
    chipLimit_->setSingleStep(5);
    tipRuleLabel_ = label(playerOptions_, "AngStueck");
    tipRule_ = new QComboBox(playerOptions_);
    tipRule_->setObjectName("AngStk");
    for (std::string_view item : TipRuleItems) {
        tipRule_->addItem(qText(item));
    }
    replayStop_ = checkBox(playerOptions_, "ReplayStop");
    statComment_ = checkBox(playerOptions_, "StatKom");
    clickSound_ = checkBox(playerOptions_, "Klickton");
    winPieces_ = checkBox(playerOptions_, "StueckGewinn");
    extendedStatistics_ = checkBox(playerOptions_, "ErwStat");
    yearStatistics_ = checkBox(playerOptions_, "Jahrstat");
    zeroHandling_ = checkBox(playerOptions_, "Zerobehandlung");
    singleColour_ = checkBox(playerOptions_, "Chetoneinfaerbig");

    auto* mode = new QHBoxLayout;
    mode->addWidget(pieces_);
    mode->addWidget(real_);
    auto* pieceValue = new QHBoxLayout;
    pieceValue->addWidget(pieceValueLabel_);
    pieceValue->addWidget(pieceValue_, 1);
    auto* limit = new QHBoxLayout;
    limit->addWidget(chipLimitLabel_);
    limit->addWidget(chipLimit_, 1);
    grid->addWidget(capitalLabel_, 0, 0);
    grid->addWidget(capital_, 0, 1);
    grid->addLayout(mode, 1, 0);
    grid->addLayout(pieceValue, 1, 1);
    grid->addWidget(chipLimitOn_, 2, 0);
    grid->addLayout(limit, 2, 1);
    grid->addWidget(tipRuleLabel_, 3, 0);
    grid->addWidget(tipRule_, 3, 1);
    const std::array<QCheckBox*, 8> boxes{replayStop_,   statComment_,        clickSound_,
                                          winPieces_,    extendedStatistics_, yearStatistics_,
                                          zeroHandling_, singleColour_};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        grid->addWidget(boxes[i], 4 + static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    return playerOptions_;
}

QGroupBox* TOptionen::buildEditor() {
    editor_ = new QGroupBox(this);
    editor_->setObjectName("GroupBox3");
    auto* column = new QVBoxLayout(editor_);
    showSyntax_ = checkBox(editor_, "SyntaxAnz");
    column->addWidget(showSyntax_);
    column->addStretch();
    return editor_;
}

QGroupBox* TOptionen::buildUpdate() {
    update_ = new QGroupBox(this);
    update_->setObjectName("GroupBox5");
    auto* grid = new QGridLayout(update_);
    autoUpdate_ = checkBox(update_, "AutoUpdCheck");
    updateInterval_ = new QComboBox(update_);
    updateInterval_->setObjectName("UpdateDauer");
    nextDateLabel_ = label(update_, "UptNextDate");
    nextDate_ = new QLineEdit(update_);
    nextDate_->setObjectName("DispDate");
    nextDate_->setReadOnly(true);
    grid->addWidget(autoUpdate_, 0, 0, 1, 2);
    grid->addWidget(updateInterval_, 1, 0, 1, 2);
    grid->addWidget(nextDateLabel_, 2, 0);
    grid->addWidget(nextDate_, 2, 1);
    return update_;
}

QWidget* TOptionen::buildButtons() {
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    ok_ = new QPushButton(buttons);
    ok_->setObjectName("OKoption");
    ok_->setDefault(true);
    cancel_ = new QPushButton(buttons);
    cancel_->setObjectName("Canceloption");
    cancel_->setAutoDefault(false);
    default_ = new QPushButton(buttons);
    default_->setObjectName("Defaultoption");
    default_->setAutoDefault(false);
    row->addWidget(ok_);
    row->addWidget(cancel_);
    row->addStretch();
    row->addWidget(default_);
    return buttons;
}

void TOptionen::connectControls() {
    connect(language_, &QComboBox::activated, this, [this](int index) {
        OptionsLanguageChosen(game_, dialog_, index);
        setCaptions();
        showModel();
    });
    const auto reactTo = [this](QAbstractButton* button, auto reaction) {
        connect(button, &QAbstractButton::clicked, this, [this, reaction] {
            takeControls();
            reaction();
            showModel();
        });
    };
    reactTo(manualTimeBar_, [] {});
    reactTo(chipLimitOn_, [] {});
    reactTo(real_, [this] { OptionsRealChosen(dialog_, true); });
    reactTo(pieces_, [this] { OptionsRealChosen(dialog_, false); });
    reactTo(french_, [this] { OptionsTableClicked(game_, dialog_, true); });
    reactTo(american_, [this] { OptionsTableClicked(game_, dialog_, false); });
    reactTo(autoUpdate_,
            [this] { OptionsAutoUpdateClicked(dialog_, autoUpdate_->isChecked(), today()); });
    connect(pieceValue_, &QSpinBox::valueChanged, this, [this](int value) {
        takeControls();
        OptionsPieceValueChanged(dialog_, value);
        showModel();
    });
    // Arrows and the mouse wheel change the number fields without leaving them.
    connect(capital_, &QSpinBox::valueChanged, this,
            [this](int value) { dialog_.controls.InitialCapital = value; });
    connect(delay_, &QSpinBox::valueChanged, this,
            [this](int value) { dialog_.controls.TimeBarDelay = value; });
    connect(chipLimit_, &QSpinBox::valueChanged, this,
            [this](int value) { dialog_.controls.ChipLimit = value; });
    connect(tipRule_, &QComboBox::activated, this,
            [this](int index) { dialog_.controls.TipRule = index; });
    connect(updateInterval_, &QComboBox::activated, this,
            [this](int index) { dialog_.controls.UpdateInterval = index; });
    connect(ok_, &QPushButton::clicked, this, &TOptionen::OKoptionClick);
    connect(cancel_, &QPushButton::clicked, this, &TOptionen::reject);
    connect(default_, &QPushButton::clicked, this, &TOptionen::DefaultoptionClick);
}

void TOptionen::setCaptions() {
    const Language l = game_.state().language();
    setWindowTitle(qText(OptionsCaption[l]));
    playerCount_->setTitle(qText(PlayerCountCaption[l]));
    for (std::size_t p = 0; p < players_.size(); ++p) {
        players_[p]->setText(QString::number(p + 1) + qText(PlayerRadioSuffix[l]));
    }
    general_->setTitle(qText(GeneralOptionsCaption[l]));
    languageLabel_->setText(qText(LanguageCaption[l]));
    delayLabel_->setText(qText(DelayCaption[l]));
    manualTimeBar_->setText(qText(ManualTimeBarCaption[l]));
    startScreenOff_->setText(qText(StartScreenOffCaption[l]));
    showDolly_->setText(qText(ShowDollyCaption[l]));
    showSelection_->setText(qText(ShowSelectionCaption[l]));
    tableLabel_->setText(qText(TableCaption[l]));
    french_->setText(qText(FrenchTableCaption[l]));
    american_->setText(qText(AmericanTableCaption[l]));
    playerOptions_->setTitle(qText(PlayerOptionsCaption[l]));
    capitalLabel_->setText(qText(InitialCapitalCaption[l]));
    pieces_->setText(qText(PiecesCaption[l]));
    real_->setText(qText(RealCaption[l]));
    pieceValueLabel_->setText(qText(PieceValueCaption[l]));
    chipLimitOn_->setText(qText(ChipLimitCaption[l]));
    chipLimitLabel_->setText(qText(ChipLimitAtCaption[l]));
    replayStop_->setText(qText(ReplayStopCaption[l]));
    tipRuleLabel_->setText(qText(TipRuleCaption[l]));
    statComment_->setText(qText(StatCommentCaption[l]));
    clickSound_->setText(qText(ClickSoundCaption[l]));
    winPieces_->setText(qText(WinPiecesCaption[l]));
    extendedStatistics_->setText(qText(ExtendedStatisticsCaption[l]));
    yearStatistics_->setText(qText(YearStatisticsCaption[l]));
    zeroHandling_->setText(qText(ZeroHandlingCaption[l]));
    singleColour_->setText(qText(SingleColourCaption[l]));
    editor_->setTitle(qText(EditorOptionsCaption[l]));
    showSyntax_->setText(qText(ShowSyntaxCaption[l]));
    autoUpdate_->setText(qText(AutoUpdateCaption[l]));
    {
        const QSignalBlocker blocker(updateInterval_);
        updateInterval_->clear();
        for (const BilingualText& item : UpdateIntervalItems) {
            updateInterval_->addItem(qText(item[l]));
        }
    }
    nextDateLabel_->setText(qText(NextCheckCaption[l]));
    ok_->setText(qText(OkCaption[l]));
    cancel_->setText(qText(CancelCaption[l]));
    default_->setText(qText(DefaultCaption[l]));
}

void TOptionen::showModel() {
    const Settings& c = dialog_.controls;
    for (std::size_t p = 0; p < players_.size(); ++p) {
        const QSignalBlocker blocker(players_[p]);
        players_[p]->setChecked(c.PlayerCount == static_cast<int>(p) + 1);
    }
    {
        const QSignalBlocker blocker(language_);
        language_->setCurrentIndex(c.Language == 0 ? 0 : 1);
    }
    setSpin(delay_, 0, 100, c.TimeBarDelay);
    delay_->setEnabled(dialog_.delayEnabled());
    delayLabel_->setEnabled(dialog_.delayEnabled());
    setChecked(manualTimeBar_, c.ManualTimeBar);
    setChecked(startScreenOff_, c.StartScreenOff);
    setChecked(showDolly_, c.ShowDolly);
    setChecked(showSelection_, c.ShowSelection);
    french_->setChecked(c.FrenchTable);
    american_->setChecked(!c.FrenchTable);
    setSpin(capital_, 0, dialog_.capitalMaximum(), c.InitialCapital);
    pieces_->setChecked(!c.ShowReal);
    real_->setChecked(c.ShowReal);
    setSpin(pieceValue_, 1, 1000, c.PieceValue);
    pieceValue_->setSingleStep(dialog_.pieceValueStep());
    pieceValue_->setEnabled(dialog_.pieceValueEnabled());
    setChecked(chipLimitOn_, c.ChipLimitOn);
    setSpin(chipLimit_, 5, 1000, c.ChipLimit);
    chipLimit_->setEnabled(dialog_.chipLimitEnabled());
    {
        const QSignalBlocker blocker(tipRule_);
        tipRule_->setCurrentIndex(std::clamp(c.TipRule, 0, tipRule_->count() - 1));
    }
    setChecked(replayStop_, c.ReplayStop);
    setChecked(statComment_, c.StatComment);
    setChecked(clickSound_, c.ClickSound);
    setChecked(winPieces_, c.WinPiecesToProfit);
    setChecked(extendedStatistics_, c.ExtendedStatistics);
    setChecked(yearStatistics_, c.YearStatistics);
    setChecked(zeroHandling_, c.ZeroHandling);
    setChecked(singleColour_, c.SingleColourChips);
    setChecked(showSyntax_, c.ShowSyntax);
    setChecked(autoUpdate_, c.AutoUpdateCheck);
    {
        const QSignalBlocker blocker(updateInterval_);
        updateInterval_->setCurrentIndex(
            std::clamp(c.UpdateInterval, 0, updateInterval_->count() - 1));
    }
    updateInterval_->setEnabled(dialog_.updateIntervalEnabled());
    nextDate_->setText(shortDate(c.NextUpdateCheck));
}

void TOptionen::takeControls() {
    Settings& c = dialog_.controls;
    for (std::size_t p = 0; p < players_.size(); ++p) {
        if (players_[p]->isChecked()) {
            c.PlayerCount = static_cast<int>(p) + 1;
        }
    }
    c.ManualTimeBar = manualTimeBar_->isChecked();
    c.StartScreenOff = startScreenOff_->isChecked();
    c.ShowDolly = showDolly_->isChecked();
    c.ShowSelection = showSelection_->isChecked();
    c.ChipLimitOn = chipLimitOn_->isChecked();
    c.ReplayStop = replayStop_->isChecked();
    c.StatComment = statComment_->isChecked();
    c.ClickSound = clickSound_->isChecked();
    c.WinPiecesToProfit = winPieces_->isChecked();
    c.ExtendedStatistics = extendedStatistics_->isChecked();
    c.YearStatistics = yearStatistics_->isChecked();
    c.ZeroHandling = zeroHandling_->isChecked();
    c.SingleColourChips = singleColour_->isChecked();
    c.ShowSyntax = showSyntax_->isChecked();
}

bool TOptionen::leaveField(QObject* field) {
    bool accepted = true;
    if (field == capital_) {
        accepted = OptionsCapitalLeft(game_, dialog_, capital_->text().toStdString());
    } else if (field == delay_) {
        accepted = OptionsDelayLeft(game_, dialog_, delay_->text().toStdString());
    } else {
        return true;
    }
    takeControls();
    showModel();
    if (!accepted) {
        static_cast<QWidget*>(field)->setFocus();
    }
    return accepted;
}

bool TOptionen::numberFieldKey(QSpinBox* field, int step, QKeyEvent* key) {
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
        key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
        key->key() == Qt::Key_Escape || key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
        key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Delete) {
        return false;
    }
    const QString text = key->text();
    const char typed = key->key() == Qt::Key_Backspace ? '\b'
                       : text.size() == 1              ? text.at(0).toLatin1()
                                                       : '\0';
    const SpinKeyResult result = spinKey(typed, field->value(), step);
    if (result.kind == SpinKey::Step) {
        field->setValue(result.value);
    }
    return result.kind != SpinKey::Edit;
}

bool TOptionen::eventFilter(QObject* watched, QEvent* event) {
    QObject* field = watched;
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && edit->parent()) {
        field = edit->parent();
    }
    if (event->type() == QEvent::KeyPress && (field == capital_ || field == delay_)) {
        auto* spin = static_cast<QSpinBox*>(field);
        return numberFieldKey(spin, field == capital_ ? CapitalStep : DelayStep,
                              static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::FocusOut && watched == field &&
        (field == capital_ || field == delay_)) {
        leaveField(field);
    }
    return QDialog::eventFilter(watched, event);
}

void TOptionen::OKoptionClick() {
    // Enter in a number field confirms the dialog: the field is left first, as a click would.
    for (QSpinBox* field : {capital_, delay_}) {
        if ((field->hasFocus() || field->findChild<QLineEdit*>()->hasFocus()) &&
            !leaveField(field)) {
            return;
        }
    }
    takeControls();
    OptionsOK(game_, dialog_);
    accept();
}

void TOptionen::DefaultoptionClick() {
    OptionsDefault(game_, dialog_);
    setCaptions();
    showModel();
}

void TOptionen::reject() {
    OptionsCancel(game_, dialog_);
    QDialog::reject();
}

} // namespace quendra::app
