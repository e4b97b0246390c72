#ifndef BLOCKEXPLORER_H
#define BLOCKEXPLORER_H

#include "blockhistory.h"

#include <layouts/layoutprofile.h>

#include <QByteArray>
#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

#include <array>

// Qt Charts stays private to camdesk: its classes are only named here.
namespace QtCharts {
class QLineSeries;
class QValueAxis;
} // namespace QtCharts

class BlockModel;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMdiSubWindow;
class QPushButton;
class QSpinBox;
class QTableView;
class QTreeWidget;

// Tools > Block Explorer: the bytes whose meaning is the camera's, over the frames of the pane it
// follows, read as any profile type, correlated with the picture's levels, and turned into a layout
// profile saved to the user's layouts folder.
class BlockExplorer : public QWidget {
    Q_OBJECT
public:
    using Candidates = std::array<QVector<BlockHistory::Candidate>, BlockHistory::TargetCount>;

    explicit BlockExplorer(QWidget* parent = nullptr);
    ~BlockExplorer() override;

    // Takes the frames of a live or playback pane, forgetting those of the one before; any other
    // window (or none) gives no frames.
    void follow(QMdiSubWindow* window);
    QMdiSubWindow* followed() const;
    // Where Save Profile writes; LayoutCatalog::userFolder() unless set.
    void setSaveFolder(const QString& folder) { m_saveFolder = folder; }
    QString saveFolder() const;

    const BlockHistory& history() const { return m_history; }
    const LayoutProfile& profile() const { return m_profile; }
    // The profile's file name in the save folder: its name in safe characters.
    static QString fileNameFor(const QString& profileName);

    void addRecord(const QByteArray& record);
    // Reads the selection as given; the offset is that of the record.
    void select(int offset, LayoutProfile::Type type);
    // Starts the candidate search on the kept frames in the background; candidatesReady() when done.
    void findCandidates();
    void addField();
    void addProof();
    // Writes the profile; false, after one box that says why, when it cannot.
    bool saveProfile();

signals:
    void candidatesReady();
    void profileSaved(const QString& path);

private:
    void buildWidgets();
    void showSelection();
    void showChart();
    void showCandidates();
    void showProfile();
    void showPreview();
    void refresh();
    void scheduleRefresh();
    void removeEntry();
    LayoutProfile::Type selectedType() const;

    BlockHistory m_history;
    BlockModel* m_model = nullptr;
    QByteArray m_record;
    LayoutProfile m_profile;
    QString m_saveFolder;
    QPointer<QMdiSubWindow> m_followed;
    QMetaObject::Connection m_feed;
    QFutureWatcher<Candidates> m_search;
    Candidates m_candidates;
    bool m_refreshPending = false;

    QLabel* lblSource = nullptr;
    QTableView* tblBytes = nullptr;
    QSpinBox* spbOffset = nullptr;
    QComboBox* cbbType = nullptr;
    QDoubleSpinBox* spbScale = nullptr;
    QDoubleSpinBox* spbAdd = nullptr;
    QLabel* lblValue = nullptr;
    QLabel* lblCorrelation = nullptr;
    QtCharts::QLineSeries* m_valueSeries = nullptr;
    std::array<QtCharts::QLineSeries*, BlockHistory::TargetCount> m_levelSeries{};
    QtCharts::QValueAxis* m_frameAxis = nullptr;
    QtCharts::QValueAxis* m_valueAxis = nullptr;
    QPushButton* btnFindCandidates = nullptr;
    QLabel* lblCandidates = nullptr;
    QTreeWidget* trCandidates = nullptr;
    QLineEdit* ledName = nullptr;
    QComboBox* cbbField = nullptr;
    QComboBox* cbbUnit = nullptr;
    QPushButton* btnAddField = nullptr;
    QSpinBox* spbProofLength = nullptr;
    QPushButton* btnAddProof = nullptr;
    QListWidget* lstProfile = nullptr;
    QPushButton* btnRemove = nullptr;
    QLabel* lblPreview = nullptr;
    QLabel* lblSaved = nullptr;
    QPushButton* btnSave = nullptr;
};

#endif // BLOCKEXPLORER_H
