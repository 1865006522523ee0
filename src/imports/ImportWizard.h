#pragma once

#include "imports/ImportRun.h"

#include <QDialog>
#include <functional>

struct Services;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

/// File › Import...: the file and how it is written, the mapping of its columns, then the dry run's verdicts and the
/// import. The past imports are listed on the first page with "Undo this import".
class ImportWizard final : public QDialog
{
    Q_OBJECT
public:
    /// backup takes the copy of the database an import makes first (the maintenance folder's work, handed in); it
    /// returns the archive's path.
    using Backup = std::function<Result<QString>()>;
    ImportWizard(Services& services, Backup backup, QWidget* parent = nullptr);

    /// The dry run's outcome shown on the last page (for tests and the list's file).
    const ImportRun::Outcome& outcome() const { return m_outcome; }
    /// Closing while a dry run or an import works stops it instead (nothing is left of a stopped import).
    void reject() override;

private:
    QWidget* filePage();
    QWidget* mappingPage();
    QWidget* verdictPage();
    void showPage(int page);
    void next();
    void back();
    void chooseFile();
    void readFormat();
    void readHeadings();
    void fillMapping();
    void loadMapping();
    void saveMapping();
    void runDryRun();
    void runImport();
    void saveList();
    void fillBatches();
    void undoBatch();
    ImportRun::Options options() const;
    bool progress(qint64 done, qint64 total);
    void tell(const Failure& failure);

    Services& m_services;
    Backup m_backup;
    QStringList m_headings;
    ImportRun::Outcome m_outcome;
    bool m_cancelled = false;
    bool m_working = false;

    QStackedWidget* m_pages = nullptr;
    QComboBox* m_cboKind = nullptr;
    QLineEdit* m_txtFile = nullptr;
    QComboBox* m_cboEncoding = nullptr;
    QComboBox* m_cboDelimiter = nullptr;
    QCheckBox* m_chkHeadings = nullptr;
    QTableWidget* m_lstBatches = nullptr;
    QPushButton* m_cmdUndo = nullptr;
    QTableWidget* m_grdMapping = nullptr;
    QComboBox* m_cboDates = nullptr;
    QComboBox* m_cboAmounts = nullptr;
    QRadioButton* m_optSkip = nullptr;
    QRadioButton* m_optUpdate = nullptr;
    QComboBox* m_cboMappings = nullptr;
    QLabel* m_lblCounts = nullptr;
    QTableWidget* m_lstVerdicts = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cmdImport = nullptr;
    QPushButton* m_cmdStop = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdClose = nullptr;
};
