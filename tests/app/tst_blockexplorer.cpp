#include "blockexplorer.h"
#include "blockhistory.h"

#include <camsim/framebuilder.h>
#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>
#include <modalwatcher.h>
#include <panes/livepane.h>
#include <testpaths.h>

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numeric>

using Field = LayoutProfile::Field;
using Type = LayoutProfile::Type;
using Target = BlockHistory::Target;

namespace {

constexpr int Frames = 60;

// A user warming the view: a hand-sized hot patch that heats up unevenly over a background that drifts
// on its own, with a warm object at the centre, so the maximum, the minimum, the centre and the frame
// counter each follow a course of their own.
ThermalImage warming(int frame)
{
    ThermalImage image;
    const auto background = qint16(150 + 30 * std::cos(frame * 0.4));
    const auto hot = qint16(300 + 8 * frame + 60 * std::sin(frame * 0.7));
    image.tenths.fill(background, Km420Frame::Width * Km420Frame::Height);
    for (int row = 10; row < 30; ++row) {
        for (int column = 10; column < 25; ++column)
            image.tenths[row * Km420Frame::Width + column] = hot;
    }
    image.tenths[54 * Km420Frame::Width + 40] = qint16(250 + 20 * std::sin(frame * 0.25));
    image.minimum = background;
    image.maximum = hot;
    image.centre = image.at(40, 54);
    return image;
}

QByteArray kelvinFrame(int frame)
{
    return FrameBuilder::build(warming(frame), 0, {}, quint32(1000 + frame), 0, FrameBuilder::ExtBlock::Kelvin);
}

template <typename T> T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s in the explorer", name);
    return found;
}

} // namespace

class TestBlockExplorer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void candidates_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("offset");
        QTest::newRow("maximum") << int(Target::Max) << FrameBuilder::KelvinLayout::MaxOffset;
        QTest::newRow("minimum") << int(Target::Min) << FrameBuilder::KelvinLayout::MinOffset;
    }
    void candidates()
    {
        QFETCH(int, target);
        QFETCH(int, offset);
        BlockHistory history;
        for (int f = 0; f < Frames; ++f)
            QVERIFY(history.add(kelvinFrame(f)));
        const QVector<BlockHistory::Candidate> found = history.candidates(Target(target));
        QCOMPARE(found.size(), 10);
        int place = -1;
        for (int i = 0; i < 3; ++i) {
            if (found[i].offset == offset && found[i].type == Type::U16BE)
                place = i;
        }
        QVERIFY2(place >= 0, qPrintable(QStringLiteral("first: %1 %2 r=%3")
                                            .arg(found[0].offset)
                                            .arg(LayoutProfile::typeName(found[0].type))
                                            .arg(found[0].r)));
        QVERIFY(found[place].r > 0.95);
        // The signature and the fixed scale never change: nothing constant is offered.
        for (const BlockHistory::Candidate& c : found)
            QVERIFY(c.offset < 100 || c.offset > 105);
    }

    // The change counts cover only the frames kept.
    void pearson_data()
    {
        QTest::addColumn<QVector<double>>("a");
        QTest::addColumn<double>("r"); // against 1, 2, 3, ...; NaN: none
        // 21571 x 0.01 sixty times: the rounding of the mean must not read as a correlation.
        QTest::newRow("constant, scaled") << QVector<double>(60, 21571 * 0.01) << std::nan("");
        QTest::newRow("follows") << QVector<double>{10, 20, 30, 40} << 1.0;
        QTest::newRow("opposes") << QVector<double>{4, 3, 2, 1} << -1.0;
    }
    void pearson()
    {
        QFETCH(QVector<double>, a);
        QFETCH(double, r);
        QVector<double> ramp(a.size());
        std::iota(ramp.begin(), ramp.end(), 1.0);
        const double got = BlockHistory::pearson(a, ramp);
        QVERIFY2(std::isnan(r) ? std::isnan(got) : std::abs(got - r) < 1e-9, qPrintable(QString::number(got)));
    }
    void changesOverTheWindow()
    {
        BlockHistory history(20);
        for (int f = 0; f < Frames; ++f)
            history.add(kelvinFrame(f));
        QCOMPARE(history.size(), 20);
        QCOMPARE(history.changes(BlockHistory::indexOf(FrameBuilder::KelvinLayout::SignatureOffset)), 0);
        // The low byte of the frame counter changes with every frame.
        QCOMPARE(history.changes(BlockHistory::indexOf(FrameBuilder::KelvinLayout::SequenceOffset + 3)), 19);
        QCOMPARE(history.series(FrameBuilder::KelvinLayout::SequenceOffset, Type::U32BE).constLast(),
                 1000.0 + Frames - 1);
        QVERIFY(history.series(BlockHistory::ExtBegin + BlockHistory::ExtSize - 2, Type::U32LE).isEmpty());
    }

    void buildAndSave()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("layouts"));
        LayoutCatalog::setSharedFolders({folder});
        BlockExplorer w;
        w.setSaveFolder(folder);
        for (int f = 0; f < Frames; ++f)
            w.addRecord(kelvinFrame(f));
        child<QSpinBox>(w, "spbOffset")->setValue(FrameBuilder::KelvinLayout::MaxOffset);
        auto* type = child<QComboBox>(w, "cbbType");
        type->setCurrentIndex(type->findData(int(Type::U16BE)));
        child<QDoubleSpinBox>(w, "spbScale")->setValue(0.01);
        auto* unit = child<QComboBox>(w, "cbbUnit");
        unit->setCurrentIndex(unit->findData(int(LayoutProfile::Unit::Kelvin)));
        auto* field = child<QComboBox>(w, "cbbField");
        field->setCurrentIndex(field->findData(int(Field::Max)));
        QTest::mouseClick(child<QPushButton>(w, "btnAddField"), Qt::LeftButton);
        child<QSpinBox>(w, "spbOffset")->setValue(FrameBuilder::KelvinLayout::SignatureOffset);
        child<QSpinBox>(w, "spbProofLength")->setValue(4);
        QTest::mouseClick(child<QPushButton>(w, "btnAddProof"), Qt::LeftButton);
        child<QLineEdit>(w, "ledName")->setText(QStringLiteral("Warm camera / test"));

        const double last = warming(Frames - 1).maximum / 10.0;
        QTRY_VERIFY(child<QLabel>(w, "lblPreview")
                        ->text()
                        .startsWith(QStringLiteral("Layout: Warm camera / test\nMax %1 \u00B0C").arg(last, 0, 'f', 1)));
        w.resize(1100, 760);
        w.show();
        QVERIFY(w.grab().save(TestPaths::artifactPath(QStringLiteral("block-explorer.png"))));
        QSignalSpy saved(&w, &BlockExplorer::profileSaved);
        QTest::mouseClick(child<QPushButton>(w, "btnSave"), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        const QString path = saved.at(0).at(0).toString();
        QCOMPARE(path, folder + QStringLiteral("/Warm_camera_test.json"));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString why;
        const std::optional<LayoutProfile> profile = LayoutProfile::parse(file.readAll(), &why);
        QVERIFY2(profile, qPrintable(why));
        QCOMPARE(profile->proof().size(), 1);
        QCOMPARE(profile->proof().at(0).bytes, QByteArray("TCAM"));
        const QByteArray later = kelvinFrame(Frames + 5);
        QVERIFY(profile->proves(later.constData()));
        const LayoutReading reading = LayoutCatalog::read(*profile, later.constData());
        QCOMPARE(reading.state, LayoutReading::State::Proven);
        QVERIFY(std::abs(reading.value(Field::Max) - warming(Frames + 5).maximum / 10.0) < 0.01);
        // The panes read through the shared catalog: it knows the profile from the next frame on.
        QCOMPARE(LayoutCatalog::shared().read(later.constData()).profile, QStringLiteral("Warm camera / test"));
    }

    void saveRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("blocker"); // made as a file or folder where the save goes
        QTest::addColumn<bool>("blockerIsFile");
        QTest::newRow("folder cannot be made") << "kelvin"
                                               << "layouts" << true;
        QTest::newRow("file is a folder") << "kelvin"
                                          << "layouts/kelvin.json" << false;
        QTest::newRow("no name") << "" << QString() << false;
    }
    void saveRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, blocker);
        QFETCH(bool, blockerIsFile);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("layouts"));
        if (blockerIsFile) {
            QFile file(dir.filePath(blocker));
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (!blocker.isEmpty()) {
            QVERIFY(QDir().mkpath(dir.filePath(blocker)));
        }
        BlockExplorer w;
        w.setSaveFolder(folder);
        w.addRecord(kelvinFrame(0));
        w.addField();
        child<QLineEdit>(w, "ledName")->setText(name);
        ModalWatcher watcher;
        QSignalSpy saved(&w, &BlockExplorer::profileSaved);
        QVERIFY(!w.saveProfile());
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(saved.count(), 0);
        // Nothing half-written is left: no file in the folder (the blocking folder aside).
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }

    // The explorer takes the frames of the pane it follows, and of no other.
    void followsLivePane()
    {
        LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
        BlockExplorer w;
        w.follow(&pane);
        QByteArray record = kelvinFrame(0);
        for (int i = 0; i < 3; ++i)
            pane.setVideoExtendParam(record.data());
        QCOMPARE(w.history().size(), 3);
        w.follow(nullptr);
        pane.setVideoExtendParam(record.data());
        QCOMPARE(w.history().size(), 0);
    }
};

QTEST_MAIN(TestBlockExplorer)
#include "tst_blockexplorer.moc"
