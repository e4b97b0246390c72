#include "blockexplorer.h"

#include "blockmodel.h"

#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>
#include <panes/livepane.h>
#include <panes/livereadings.h>
#include <panes/playbackpane.h>

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>

QT_CHARTS_USE_NAMESPACE

namespace {

using Field = LayoutProfile::Field;
using Type = LayoutProfile::Type;
using Unit = LayoutProfile::Unit;
using Target = BlockHistory::Target;

// Frames arrive at up to 25 a second; the views follow at a pace a reader can take in.
constexpr int RefreshMs = 100;
constexpr int LongestProof = 64;
constexpr int ItemRole = Qt::UserRole + 1;

const char* const targetNames[] = {QT_TRANSLATE_NOOP("BlockExplorer", "Maximum level"),
                                   QT_TRANSLATE_NOOP("BlockExplorer", "Minimum level"),
                                   QT_TRANSLATE_NOOP("BlockExplorer", "Mean level")};

QString number(double v, int decimals = 3)
{
    return std::isnan(v) ? QStringLiteral("\u2014") : QLocale().toString(v, 'f', decimals);
}

QString unitText(Unit unit)
{
    switch (unit) {
    case Unit::Kelvin:
        return QStringLiteral("K");
    case Unit::Fahrenheit:
        return QStringLiteral("\u00B0F");
    case Unit::Celsius:
        break;
    }
    return QStringLiteral("\u00B0C");
}

} // namespace

BlockExplorer::BlockExplorer(QWidget* parent) : QWidget(parent, Qt::Window), m_model(new BlockModel(&m_history, this))
{
    setWindowTitle(tr("Block Explorer"));
    buildWidgets();
    connect(&m_search, &QFutureWatcher<Candidates>::finished, this, [this] {
        m_candidates = m_search.result();
        showCandidates();
        btnFindCandidates->setEnabled(true);
        emit candidatesReady();
    });
    follow(nullptr);
    showSelection();
    showProfile();
}

BlockExplorer::~BlockExplorer()
{
    // The search works on a copy of its own; waiting keeps its thread from outliving the program.
    m_search.waitForFinished();
}

void BlockExplorer::buildWidgets()
{
    lblSource = new QLabel;
    lblSource->setWordWrap(true);
    tblBytes = new QTableView;
    tblBytes->setObjectName(QStringLiteral("tblBytes"));
    tblBytes->setModel(m_model);
    tblBytes->setSelectionMode(QAbstractItemView::SingleSelection);
    // All sixteen columns in view: a row is read across, as the offsets count.
    const int cell = tblBytes->fontMetrics().horizontalAdvance(QStringLiteral("FFF")) + 8;
    tblBytes->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblBytes->horizontalHeader()->setDefaultSectionSize(cell);
    tblBytes->horizontalHeader()->setMinimumSectionSize(cell);
    tblBytes->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblBytes->verticalHeader()->setMinimumWidth(tblBytes->fontMetrics().horizontalAdvance(QStringLiteral("14930")) +
                                                12);
    tblBytes->setMinimumWidth(tblBytes->verticalHeader()->minimumWidth() + 16 * cell +
                              tblBytes->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 6);
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(lblSource);
    leftLayout->addWidget(tblBytes);

    spbOffset = new QSpinBox;
    spbOffset->setObjectName(QStringLiteral("spbOffset"));
    spbOffset->setRange(BlockHistory::ExtBegin, BlockHistory::TailBegin + BlockHistory::TailSize - 1);
    cbbType = new QComboBox;
    cbbType->setObjectName(QStringLiteral("cbbType"));
    for (int t = 0; t <= int(Type::F32BE); ++t)
        cbbType->addItem(LayoutProfile::typeName(Type(t)), t);
    spbScale = new QDoubleSpinBox;
    spbScale->setObjectName(QStringLiteral("spbScale"));
    spbScale->setDecimals(6);
    spbScale->setRange(-1e6, 1e6);
    spbScale->setValue(1.0);
    spbAdd = new QDoubleSpinBox;
    spbAdd->setObjectName(QStringLiteral("spbAdd"));
    spbAdd->setDecimals(3);
    spbAdd->setRange(-1e6, 1e6);
    lblValue = new QLabel;
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblCorrelation = new QLabel;
    lblCorrelation->setObjectName(QStringLiteral("lblCorrelation"));
    lblCorrelation->setWordWrap(true);
    auto* selection = new QGroupBox(tr("Selection"));
    auto* form = new QFormLayout(selection);
    form->addRow(tr("Offset"), spbOffset);
    form->addRow(tr("Type"), cbbType);
    form->addRow(tr("Scale"), spbScale);
    form->addRow(tr("Add"), spbAdd);
    form->addRow(tr("Value"), lblValue);
    form->addRow(tr("Correlation"), lblCorrelation);

    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_frameAxis = new QValueAxis;
    m_frameAxis->setTitleText(tr("Frame"));
    // The axis holds doubles: "%d" would print no number at all.
    m_frameAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_valueAxis = new QValueAxis;
    m_valueAxis->setTitleText(tr("Value"));
    auto* levelAxis = new QValueAxis;
    levelAxis->setTitleText(tr("Level"));
    levelAxis->setRange(0, 255);
    chart->addAxis(m_frameAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    chart->addAxis(levelAxis, Qt::AlignRight);
    m_valueSeries = new QLineSeries;
    m_valueSeries->setName(tr("Value"));
    chart->addSeries(m_valueSeries);
    m_valueSeries->attachAxis(m_frameAxis);
    m_valueSeries->attachAxis(m_valueAxis);
    for (int t = 0; t < BlockHistory::TargetCount; ++t) {
        m_levelSeries[size_t(t)] = new QLineSeries;
        m_levelSeries[size_t(t)]->setName(tr(targetNames[t]));
        chart->addSeries(m_levelSeries[size_t(t)]);
        m_levelSeries[size_t(t)]->attachAxis(m_frameAxis);
        m_levelSeries[size_t(t)]->attachAxis(levelAxis);
    }
    auto* chartView = new QChartView(chart);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(220);

    btnFindCandidates = new QPushButton(tr("Find Candidates"));
    btnFindCandidates->setObjectName(QStringLiteral("btnFindCandidates"));
    btnFindCandidates->setToolTip(tr("Search the kept frames for the bytes that follow the picture's levels best"));
    lblCandidates = new QLabel;
    trCandidates = new QTreeWidget;
    trCandidates->setObjectName(QStringLiteral("trCandidates"));
    trCandidates->setHeaderLabels({tr("Offset"), tr("Type"), tr("r")});
    trCandidates->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* candidates = new QWidget;
    auto* candidatesLayout = new QVBoxLayout(candidates);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(btnFindCandidates);
    searchRow->addWidget(lblCandidates, 1);
    candidatesLayout->addLayout(searchRow);
    candidatesLayout->addWidget(trCandidates);

    ledName = new QLineEdit;
    ledName->setObjectName(QStringLiteral("ledName"));
    cbbField = new QComboBox;
    cbbField->setObjectName(QStringLiteral("cbbField"));
    const std::pair<Field, const char*> fields[] = {
        {Field::Max, QT_TR_NOOP("Maximum")},          {Field::Min, QT_TR_NOOP("Minimum")},
        {Field::Centre, QT_TR_NOOP("Centre")},        {Field::ScaleLow, QT_TR_NOOP("Scale low")},
        {Field::ScaleHigh, QT_TR_NOOP("Scale high")}, {Field::Sequence, QT_TR_NOOP("Frame counter")}};
    for (const auto& [field, text] : fields)
        cbbField->addItem(tr(text), int(field));
    cbbUnit = new QComboBox;
    cbbUnit->setObjectName(QStringLiteral("cbbUnit"));
    for (Unit unit : {Unit::Celsius, Unit::Kelvin, Unit::Fahrenheit})
        cbbUnit->addItem(unitText(unit), int(unit));
    btnAddField = new QPushButton(tr("Add as Field"));
    btnAddField->setObjectName(QStringLiteral("btnAddField"));
    spbProofLength = new QSpinBox;
    spbProofLength->setObjectName(QStringLiteral("spbProofLength"));
    spbProofLength->setRange(0, LongestProof);
    spbProofLength->setSpecialValueText(tr("as the type"));
    spbProofLength->setSuffix(tr(" bytes"));
    btnAddProof = new QPushButton(tr("Add as Proof"));
    btnAddProof->setObjectName(QStringLiteral("btnAddProof"));
    btnAddProof->setToolTip(tr("The selected bytes as they stand in the current frame prove the profile"));
    lstProfile = new QListWidget;
    lstProfile->setObjectName(QStringLiteral("lstProfile"));
    btnRemove = new QPushButton(tr("Remove"));
    lblPreview = new QLabel;
    lblPreview->setObjectName(QStringLiteral("lblPreview"));
    lblPreview->setWordWrap(true);
    btnSave = new QPushButton(tr("Save Profile"));
    btnSave->setObjectName(QStringLiteral("btnSave"));
    lblSaved = new QLabel;
    lblSaved->setWordWrap(true);
    auto* profile = new QWidget;
    auto* profileForm = new QFormLayout(profile);
    profileForm->addRow(tr("Name"), ledName);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(cbbField, 1);
    fieldRow->addWidget(cbbUnit);
    fieldRow->addWidget(btnAddField);
    profileForm->addRow(tr("Field"), fieldRow);
    auto* proofRow = new QHBoxLayout;
    proofRow->addWidget(spbProofLength, 1);
    proofRow->addWidget(btnAddProof);
    profileForm->addRow(tr("Proof"), proofRow);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstProfile, 1);
    listRow->addWidget(btnRemove, 0, Qt::AlignTop);
    profileForm->addRow(tr("Holds"), listRow);
    profileForm->addRow(tr("Readings"), lblPreview);
    auto* saveRow = new QHBoxLayout;
    saveRow->addWidget(btnSave);
    saveRow->addWidget(lblSaved, 1);
    profileForm->addRow(saveRow);

    auto* tabs = new QTabWidget;
    tabs->addTab(candidates, tr("Candidates"));
    tabs->addTab(profile, tr("Profile"));

    auto* right = new QSplitter(Qt::Vertical);
    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(selection);
    topLayout->addWidget(chartView, 1);
    right->addWidget(top);
    right->addWidget(tabs);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(1400, 900);

    connect(tblBytes, &QTableView::clicked, this, [this](const QModelIndex& cell) {
        const int i = BlockModel::byteIndex(cell);
        if (i >= 0)
            spbOffset->setValue(BlockHistory::offsetOf(i));
    });
    for (QDoubleSpinBox* box : {spbScale, spbAdd})
        connect(box, qOverload<double>(&QDoubleSpinBox::valueChanged), this, [this] { showSelection(); });
    connect(spbOffset, qOverload<int>(&QSpinBox::valueChanged), this, [this] { showSelection(); });
    connect(cbbType, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { showSelection(); });
    connect(cbbField, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { cbbUnit->setEnabled(LayoutProfile::isTemperature(Field(cbbField->currentData().toInt()))); });
    connect(btnFindCandidates, &QPushButton::clicked, this, &BlockExplorer::findCandidates);
    connect(trCandidates, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, ItemRole).isValid())
            select(item->data(0, ItemRole).toInt(), Type(item->data(1, ItemRole).toInt()));
    });
    connect(btnAddField, &QPushButton::clicked, this, &BlockExplorer::addField);
    connect(btnAddProof, &QPushButton::clicked, this, &BlockExplorer::addProof);
    connect(btnRemove, &QPushButton::clicked, this, &BlockExplorer::removeEntry);
    connect(ledName, &QLineEdit::textChanged, this, [this](const QString& name) {
        m_profile.setName(name.trimmed());
        showPreview();
    });
    connect(btnSave, &QPushButton::clicked, this, &BlockExplorer::saveProfile);
}

void BlockExplorer::follow(QMdiSubWindow* window)
{
    if (window && window == m_followed)
        return;
    disconnect(m_feed);
    m_feed = {};
    m_followed = nullptr;
    if (auto* live = qobject_cast<LivePane*>(window))
        m_feed = connect(live, &LivePane::recordShown, this, &BlockExplorer::addRecord);
    else if (auto* playback = qobject_cast<PlaybackPane*>(window))
        m_feed = connect(playback, &PlaybackPane::recordShown, this, &BlockExplorer::addRecord);
    if (m_feed)
        m_followed = window;
    // Frames of another pane may be another camera's: correlating across them would mislead.
    m_history.clear();
    m_record.clear();
    m_candidates = {};
    showCandidates();
    lblSource->setText(m_followed ? tr("Frames of %1").arg(m_followed->windowTitle())
                                  : tr("Open a live or playback pane: its frames are explored here."));
    refresh();
}

QMdiSubWindow* BlockExplorer::followed() const
{
    return m_followed;
}

void BlockExplorer::addRecord(const QByteArray& record)
{
    if (!m_history.add(record))
        return;
    m_record = record;
    scheduleRefresh();
}

void BlockExplorer::scheduleRefresh()
{
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(RefreshMs, this, [this] {
        m_refreshPending = false;
        refresh();
    });
}

void BlockExplorer::refresh()
{
    m_model->refresh();
    showSelection();
    showPreview();
}

LayoutProfile::Type BlockExplorer::selectedType() const
{
    return Type(cbbType->currentData().toInt());
}

void BlockExplorer::select(int offset, Type type)
{
    const QSignalBlocker blocker(cbbType);
    cbbType->setCurrentIndex(cbbType->findData(int(type)));
    spbOffset->setValue(offset);
    showSelection();
}

void BlockExplorer::showSelection()
{
    const int offset = spbOffset->value();
    const Type type = selectedType();
    const int size = LayoutProfile::sizeOf(type);
    const int index = BlockHistory::indexOf(offset);
    if (index >= 0 && BlockModel::byteIndex(tblBytes->currentIndex()) != index) {
        const QSignalBlocker blocker(tblBytes->selectionModel());
        tblBytes->setCurrentIndex(m_model->cellOf(index));
    }
    if (m_record.size() >= offset + size) {
        const double raw = LayoutProfile::readRaw(m_record.constData(), offset, type);
        const double value = raw * spbScale->value() + spbAdd->value();
        lblValue->setText(tr("%1 (raw %2)").arg(QLocale().toString(value, 'g', 10), QLocale().toString(raw, 'g', 10)));
    } else {
        lblValue->setText(QStringLiteral("\u2014"));
    }
    if (!BlockHistory::holds(offset, type)) {
        lblCorrelation->setText(tr("The selection leaves the camera's bytes: it is not followed over frames."));
    } else {
        const QVector<double> values = m_history.series(offset, type, spbScale->value(), spbAdd->value());
        double r[BlockHistory::TargetCount];
        for (int t = 0; t < BlockHistory::TargetCount; ++t)
            r[t] = BlockHistory::pearson(values, m_history.levels(Target(t)));
        lblCorrelation->setText(tr("r with the maximum level %1, the minimum level %2, the mean level %3")
                                    .arg(number(r[0]), number(r[1]), number(r[2])));
    }
    showChart();
}

void BlockExplorer::showChart()
{
    const QVector<double> values =
        m_history.series(spbOffset->value(), selectedType(), spbScale->value(), spbAdd->value());
    QVector<QPointF> points;
    points.reserve(values.size());
    double low = 0, high = 1;
    for (int i = 0; i < values.size(); ++i) {
        points.append(QPointF(i, values[i]));
        low = i == 0 ? values[i] : std::min(low, values[i]);
        high = i == 0 ? values[i] : std::max(high, values[i]);
    }
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    m_valueSeries->replace(points);
    m_valueAxis->setRange(low, high);
    for (int t = 0; t < BlockHistory::TargetCount; ++t) {
        const QVector<double> levels = m_history.levels(Target(t));
        QVector<QPointF> line;
        line.reserve(levels.size());
        for (int i = 0; i < levels.size(); ++i)
            line.append(QPointF(i, levels[i]));
        m_levelSeries[size_t(t)]->replace(line);
    }
    m_frameAxis->setRange(0, std::max(1, m_history.size() - 1));
}

void BlockExplorer::findCandidates()
{
    if (m_search.isRunning())
        return;
    btnFindCandidates->setEnabled(false);
    lblCandidates->setText(tr("Searching %1 frames...").arg(m_history.size()));
    // A copy of the kept frames, so that new frames go on arriving while the search runs.
    m_search.setFuture(QtConcurrent::run([history = m_history] {
        Candidates found;
        for (int t = 0; t < BlockHistory::TargetCount; ++t)
            found[size_t(t)] = history.candidates(Target(t));
        return found;
    }));
}

void BlockExplorer::showCandidates()
{
    trCandidates->clear();
    bool any = false;
    for (int t = 0; t < BlockHistory::TargetCount; ++t) {
        auto* group = new QTreeWidgetItem(trCandidates, {tr(targetNames[t])});
        for (const BlockHistory::Candidate& c : m_candidates[size_t(t)]) {
            auto* item =
                new QTreeWidgetItem(group, {QString::number(c.offset), LayoutProfile::typeName(c.type), number(c.r)});
            item->setData(0, ItemRole, c.offset);
            item->setData(1, ItemRole, int(c.type));
            any = true;
        }
    }
    trCandidates->expandAll();
    if (m_search.isRunning())
        return;
    lblCandidates->setText(any || m_history.size() == 0
                               ? QString()
                               : tr("No byte follows the levels: the levels or the bytes kept no change."));
}

void BlockExplorer::addField()
{
    LayoutProfile::FieldFormat format;
    format.present = true;
    format.offset = spbOffset->value();
    format.type = selectedType();
    format.scale = spbScale->value();
    format.add = spbAdd->value();
    format.unit = Unit(cbbUnit->currentData().toInt());
    m_profile.setField(Field(cbbField->currentData().toInt()), format);
    showProfile();
}

void BlockExplorer::addProof()
{
    const int offset = spbOffset->value();
    const int length = spbProofLength->value() > 0 ? spbProofLength->value() : LayoutProfile::sizeOf(selectedType());
    if (m_record.size() < offset + length) {
        QMessageBox::warning(this, windowTitle(), tr("A proof is taken from the current frame: no frame has come yet."),
                             QMessageBox::Ok);
        return;
    }
    LayoutProfile::Proof proof;
    proof.kind = LayoutProfile::Proof::Kind::Bytes;
    proof.offset = offset;
    proof.bytes = m_record.mid(offset, length);
    m_profile.addProof(proof);
    showProfile();
}

void BlockExplorer::removeEntry()
{
    QListWidgetItem* item = lstProfile->currentItem();
    if (!item)
        return;
    const int entry = item->data(ItemRole).toInt();
    if (entry < LayoutProfile::FieldCount) {
        m_profile.setField(Field(entry), LayoutProfile::FieldFormat());
    } else {
        // A profile adds proofs but never drops one: it is rebuilt without it.
        LayoutProfile rebuilt;
        rebuilt.setName(m_profile.name());
        for (int f = 0; f < LayoutProfile::FieldCount; ++f)
            rebuilt.setField(Field(f), m_profile.field(Field(f)));
        for (int p = 0; p < m_profile.proof().size(); ++p) {
            if (p != entry - LayoutProfile::FieldCount)
                rebuilt.addProof(m_profile.proof()[p]);
        }
        m_profile = rebuilt;
    }
    showProfile();
}

void BlockExplorer::showProfile()
{
    lstProfile->clear();
    for (int f = 0; f < LayoutProfile::FieldCount; ++f) {
        const Field field = Field(f);
        if (!m_profile.has(field))
            continue;
        const LayoutProfile::FieldFormat& format = m_profile.field(field);
        QString text = tr("%1: %2 at %3, x %4 + %5")
                           .arg(LayoutProfile::fieldName(field), LayoutProfile::typeName(format.type))
                           .arg(format.offset)
                           .arg(QLocale().toString(format.scale, 'g', 10), QLocale().toString(format.add, 'g', 10));
        if (LayoutProfile::isTemperature(field))
            text += QLatin1Char(' ') + unitText(format.unit);
        auto* item = new QListWidgetItem(text, lstProfile);
        item->setData(ItemRole, f);
    }
    for (int p = 0; p < m_profile.proof().size(); ++p) {
        const LayoutProfile::Proof& proof = m_profile.proof()[p];
        auto* item = new QListWidgetItem(
            tr("proof: bytes %1 at %2").arg(QString::fromLatin1(proof.bytes.toHex(' ').toUpper())).arg(proof.offset),
            lstProfile);
        item->setData(ItemRole, LayoutProfile::FieldCount + p);
    }
    showPreview();
}

void BlockExplorer::showPreview()
{
    if (m_record.size() != Km420Frame::Size) {
        lblPreview->setText(tr("No frame yet."));
        return;
    }
    const LayoutReading reading = LayoutCatalog::read(m_profile, m_record.constData());
    QString text;
    if (reading.state == LayoutReading::State::OutOfRange) {
        text = LiveReadings::outOfRangeText(m_profile.name());
    } else {
        const auto temperature = [&reading](Field field) {
            return reading.has(field) ? tr("%1 °C").arg(QLocale().toString(reading.value(field), 'f', 1))
                                      : QStringLiteral("\u2014");
        };
        text = tr("Max %1, Min %2, Centre %3")
                   .arg(temperature(Field::Max), temperature(Field::Min), temperature(Field::Centre));
    }
    // A temperature goes with the name of the layout it came from.
    const QString name = m_profile.name().trimmed();
    text = tr("Layout: %1").arg(name.isEmpty() ? QStringLiteral("\u2014") : name) + QLatin1Char('\n') + text;
    if (!m_profile.hasProof())
        text += QLatin1Char('\n') + tr("Without a proof camdesk never takes this profile for a frame.");
    else if (!m_profile.proves(m_record.constData()))
        text += QLatin1Char('\n') + tr("The proof does not hold for this frame: the readings box shows none of this.");
    lblPreview->setText(text);
}

QString BlockExplorer::saveFolder() const
{
    return m_saveFolder.isEmpty() ? LayoutCatalog::userFolder() : m_saveFolder;
}

QString BlockExplorer::fileNameFor(const QString& profileName)
{
    QString name;
    for (const QChar c : profileName.trimmed()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('_') ||
            c == QLatin1Char('.'))
            name += c;
        else if (!name.endsWith(QLatin1Char('_')))
            name += QLatin1Char('_');
    }
    // No hidden file, no "..", and a length every file system takes.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name.truncate(100);
    if (name.isEmpty() || name == QLatin1String("_"))
        name = QStringLiteral("profile");
    return name + QStringLiteral(".json");
}

bool BlockExplorer::saveProfile()
{
    const auto refuse = [this](const QString& why) {
        QMessageBox::warning(this, windowTitle(), why, QMessageBox::Ok);
        return false;
    };
    if (m_profile.name().isEmpty())
        return refuse(tr("Give the profile a name before saving it."));
    const QByteArray json = m_profile.toJson();
    QString why;
    if (!LayoutProfile::parse(json, &why))
        return refuse(tr("The profile cannot be saved: %1").arg(why));
    const QString folder = saveFolder();
    if (!QDir().mkpath(folder))
        return refuse(tr("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder)));
    const QString path = QDir(folder).filePath(fileNameFor(m_profile.name()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return refuse(tr("The profile cannot be written to %1: %2").arg(QDir::toNativeSeparators(path), error));
    }
    // The panes read through the shared catalog: from their next frame on they know this profile.
    LayoutCatalog::reload();
    lblSaved->setText(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    emit profileSaved(path);
    return true;
}
