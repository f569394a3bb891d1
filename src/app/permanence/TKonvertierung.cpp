// The conversion window over the engine's Hamburg conversion and delimited import.
#include "permanence/TKonvertierung.h"

#include "common/AppText.h"
#include "common/FileDialogs.h"
#include "permanence/Conversion.h"
#include "permanence/ConversionTexts.h"
#include "permanence/DelimitedImport.h"
#include "permanence/LoadSet.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quendra::app {
namespace {

// The folder name is shortened to this width, the full name stays in the tooltip.
constexpr int PathWidth = 270;

QString runFolderDialog(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent);
    dialog.setObjectName("BrowseDirectory");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(start);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString runTextFileDialog(QWidget* parent, const QString& start) {
    FileDialogRequest request;
    request.folder = start;
    request.filters = fileDialogFilters(DelimitedFileFilters);
    return chooseExistingFile(parent, "TextDateiDialog", request);
}

// The program's files are 8-bit; what the user types goes into them as such.
std::string fileText(const QLineEdit* field) {
    return field->text().toLatin1().toStdString();
}

void showPath(QLineEdit* field, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    field->setText(field->fontMetrics().elidedText(shown, Qt::ElideMiddle, PathWidth));
    field->setToolTip(shown);
}

} // namespace

TKonvertierung::TKonvertierung(Game& game, QWidget* parent)
    : QDialog(parent), game_(game), pause_(game), chooseFolder_(runFolderDialog),
      chooseFile_(runTextFileDialog) {
    setObjectName("TKonvertierung");
    Convert_BU_ = new QPushButton(this);
    Convert_BU_->setObjectName("Convert_BU");
    Convert_BU_->setDefault(true);
    Button2_ = new QPushButton(this);
    Button2_->setObjectName("Button2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Convert_BU_);
    buttons->addWidget(Button2_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSourceGroup());
    layout->addWidget(buildHamburgPart());
    layout->addWidget(buildDelimitedPart());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Hamburg_, &QRadioButton::toggled, this, &TKonvertierung::showState);
    connect(SammelfileCreate_, &QCheckBox::clicked, this, &TKonvertierung::SammelfileCreateClick);
    connect(Convert_BU_, &QPushButton::clicked, this, &TKonvertierung::Convert_BUClick);
    connect(Button2_, &QPushButton::clicked, this, &QDialog::reject);
    setCaptions();
    showFiles();
    showState();
}

QWidget* TKonvertierung::buildSourceGroup() {
    auto* group = new QGroupBox(this);
    group->setObjectName("Casino");
    Hamburg_ = new QRadioButton(group);
    Hamburg_->setObjectName("Hamburg");
    Hamburg_->setChecked(true);
    Trennzeichen_ = new QRadioButton(group);
    Trennzeichen_->setObjectName("Trennzeichen");
    auto* row = new QHBoxLayout(group);
    row->addWidget(Hamburg_);
    row->addWidget(Trennzeichen_);
    row->addStretch();
    return group;
}

QLineEdit* TKonvertierung::pathField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setMinimumWidth(PathWidth + 16);
    field->installEventFilter(this);
    return field;
}

QWidget* TKonvertierung::buildHamburgPart() {
    hamburgPart_ = new QWidget(this);
    DirInfoLabel_ = new QLabel(hamburgPart_);
    DirInfo_ = pathField(hamburgPart_, "DirInfo");
    DirInfoLabel_->setBuddy(DirInfo_);
    Label3Caption_ = new QLabel(hamburgPart_);
    Label3_ = new QLabel(hamburgPart_);
    Label3_->setObjectName("Label3");
    OriginalSAV_ = new QCheckBox(hamburgPart_);
    OriginalSAV_->setObjectName("OriginalSAV");
    OriginalSAV_->setChecked(true);
    Franz_Tisch_ = new QRadioButton(hamburgPart_);
    Franz_Tisch_->setObjectName("Franz_Tisch");
    Franz_Tisch_->setChecked(true);
    Ami_Tisch_ = new QRadioButton(hamburgPart_);
    Ami_Tisch_->setObjectName("Ami_Tisch");
    SammelfileCreate_ = new QCheckBox(hamburgPart_);
    SammelfileCreate_->setObjectName("SammelfileCreate");
    SammelfileCreate_->setChecked(true);
    SammelNamen_ = new QLabel(hamburgPart_);
    SammelNamen_->setObjectName("SammelNamen");
    SammelNamenText_ = new QLineEdit("SA1.SNP", hamburgPart_);
    SammelNamenText_->setObjectName("SammelNamenText");
    SammelNamen_->setBuddy(SammelNamenText_);
    SammelInfo_ = new QLabel(hamburgPart_);
    SammelInfo_->setObjectName("SammelInfo");
    SammelInfoText_ = new QLineEdit(hamburgPart_);
    SammelInfoText_->setObjectName("SammelInfoText");
    SammelInfo_->setBuddy(SammelInfoText_);

    auto* count = new QHBoxLayout;
    count->addWidget(Label3Caption_);
    count->addWidget(Label3_);
    count->addStretch();
    auto* grid = new QGridLayout(hamburgPart_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(DirInfoLabel_, 0, 0, 1, 2);
    grid->addWidget(DirInfo_, 1, 0, 1, 2);
    grid->addLayout(count, 2, 0, 1, 2);
    grid->addWidget(OriginalSAV_, 3, 0);
    grid->addWidget(Franz_Tisch_, 3, 1);
    grid->addWidget(SammelfileCreate_, 4, 0);
    grid->addWidget(Ami_Tisch_, 4, 1);
    grid->addWidget(SammelNamen_, 5, 0);
    grid->addWidget(SammelNamenText_, 5, 1);
    grid->addWidget(SammelInfo_, 6, 0);
    grid->addWidget(SammelInfoText_, 6, 1);
    return hamburgPart_;
}

QWidget* TKonvertierung::buildDelimitedPart() {
    delimitedPart_ = new QWidget(this);
    TextDateiLabel_ = new QLabel(delimitedPart_);
    TextDatei_ = pathField(delimitedPart_, "TextDatei");
    TextDateiLabel_->setBuddy(TextDatei_);
    LadeInfoLabel_ = new QLabel(delimitedPart_);
    LadeInfoText_ = new QLineEdit(delimitedPart_);
    LadeInfoText_->setObjectName("LadeInfoText");
    LadeInfoLabel_->setBuddy(LadeInfoText_);
    auto* column = new QVBoxLayout(delimitedPart_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(TextDateiLabel_);
    column->addWidget(TextDatei_);
    column->addWidget(LadeInfoLabel_);
    column->addWidget(LadeInfoText_);
    return delimitedPart_;
}

void TKonvertierung::setCaptions() {
    const Language language = game_.state().language();
    const auto text = [language](const BilingualText& caption) { return qText(caption[language]); };
    setWindowTitle(text(ConversionCaption));
    static_cast<QGroupBox*>(Hamburg_->parentWidget())->setTitle(text(CasinoGroupCaption));
    Hamburg_->setText(text(HamburgCaption));
    Trennzeichen_->setText(text(DelimitedCaption));
    DirInfoLabel_->setText(text(FolderCaption));
    Label3Caption_->setText(text(FilesFoundCaption));
    OriginalSAV_->setText(text(SaveOriginalsCaption));
    Franz_Tisch_->setText(text(FrenchPermanenceCaption));
    Ami_Tisch_->setText(text(AmericanPermanenceCaption));
    SammelfileCreate_->setText(text(CreateCollectFileCaption));
    SammelNamen_->setText(text(CollectNameCaption));
    SammelInfo_->setText(text(CollectInfoCaption));
    TextDateiLabel_->setText(text(TextFileCaption));
    LadeInfoLabel_->setText(text(InfoLineCaption));
    Convert_BU_->setText(text(ConvertCaption));
    Button2_->setText(text(ConversionCancelCaption));
}

void TKonvertierung::showState() {
    const bool hamburg = Hamburg_->isChecked();
    hamburgPart_->setEnabled(hamburg);
    delimitedPart_->setEnabled(!hamburg);
    const bool collect = SammelfileCreate_->isChecked();
    for (QWidget* widget : std::initializer_list<QWidget*>{SammelNamen_, SammelNamenText_,
                                                           SammelInfo_, SammelInfoText_}) {
        widget->setEnabled(collect);
    }
    Convert_BU_->setEnabled(hamburg ? remaining_ > 0 && !converted_ : !textFile_.isEmpty());
}

void TKonvertierung::showFiles() {
    Label3_->setText(QString::number(remaining_));
}

bool TKonvertierung::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == DirInfo_) {
            DirInfoDblClick();
            return true;
        }
        if (watched == TextDatei_) {
            TextFileDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Nothing chosen yet: the dialogs open where the load files are kept.
QString TKonvertierung::loadFolder() const {
    return QString::fromStdString(loadFileFolder(game_.state()).string());
}

void TKonvertierung::DirInfoDblClick() {
    const QString chosen = chooseFolder_(this, folder_.isEmpty() ? loadFolder() : folder_);
    if (chosen.isEmpty()) {
        return;
    }
    folder_ = QDir(chosen).absolutePath() + '/';
    showPath(DirInfo_, folder_);
    files_ = listConversionFolder(folder_.toStdString());
    remaining_ = static_cast<int>(files_.size());
    converted_ = false;
    showFiles();
    showState();
}

void TKonvertierung::TextFileDblClick() {
    const QString chosen =
        chooseFile_(this, textFile_.isEmpty() ? loadFolder() : QFileInfo(textFile_).absolutePath());
    if (chosen.isEmpty()) {
        return;
    }
    textFile_ = chosen;
    showPath(TextDatei_, textFile_);
    showState();
}

void TKonvertierung::SammelfileCreateClick() {
    if (!SammelfileCreate_->isChecked()) {
        SammelNamenText_->clear();
        SammelInfoText_->clear();
    }
    showState();
}

void TKonvertierung::Convert_BUClick() {
    if (!Hamburg_->isChecked()) {
        ImportDelimitedClick(game_, textFile_.toStdString(), fileText(LadeInfoText_));
        return;
    }
    ConversionRequest request;
    request.folder = folder_.toStdString();
    request.files = files_;
    request.saveOriginals = OriginalSAV_->isChecked();
    request.frenchPermanence = Franz_Tisch_->isChecked();
    request.createCollectFile = SammelfileCreate_->isChecked();
    request.collectName = fileText(SammelNamenText_);
    request.collectInfo = fileText(SammelInfoText_);
    const ConversionResult result = Convert_BU(game_, request);
    converted_ = result.remaining < static_cast<int>(files_.size());
    files_ = result.files;
    remaining_ = result.remaining;
    showFiles();
    showState();
}

} // namespace quendra::app
