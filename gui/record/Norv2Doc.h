#pragma once
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "core/calendar/PracticeDays.h"
#include "core/record/RecordBook.h"
#include "core/record/RecordFile.h"

// The open record file and its runs. Loads a file, follows what Vesk appends to it, and
// says what happened through signals (all delivered synchronously); it shows nothing
// itself and keeps no settings.
class CNorv2Doc : public QObject, private CLoadObserver
{
    Q_OBJECT

public:
    explicit CNorv2Doc(QObject* parent = nullptr);

    // Empties the book and loads strPath (a name as FileNameToQString gives it), saying how
    // it went. A broken file, or one that does not fit into memory, is rejected (with its
    // runs dropped, or kept after a failed read), yet stays open.
    [[nodiscard]] LoadResult Open(const QString& strPath);
    // Open, false only when the file cannot be opened or is no regular file.
    [[nodiscard]] bool OnOpenDocument(const QString& strPath);
    // Empties the book; the line count stays.
    void DeleteContents();
    // Reads records appended since the last read (the frame calls it every 5 s).
    void Refresh();

    bool IsCategoryEmpty(Category nCategory) const { return m_pBook->IsCategoryEmpty(nCategory); }
    int CountPeriods(Category nCategory, Scale nScale) const { return m_pBook->CountPeriods(nCategory, nScale); }
    [[nodiscard]] int FillPeriods(PERIODDATA* pOut, int nMax, Category nCategory, Scale nScale) const
    {
        return m_pBook->FillPeriods(pOut, nMax, nCategory, nScale);
    }
    [[nodiscard]] bool FillBoard(BOARDDATA* p) const { return m_pBook->FillBoard(p); }

    const CRecordBook& GetBook() const { return *m_pBook; }
    // The days that hold runs: taken from the book at the first call after a load, and
    // caught up with the runs read since at every later one.
    const CPracticeDays& GetPracticeDays() const;
    QString GetPathName() const;
    int GetLineCount() const { return m_File.GetLineCount(); }

signals:
    void loadBegun();   // show the progress bar (0..100, step 4)
    void loadStepped(); // advance it one step
    void loadEnded();   // remove it; also sent after a broken file was rejected
    // The file was loaded whole (its absolute path, as FileNameToQString gives it).
    void opened(const QString& strPath);
    void reloaded();        // a refresh found the file replaced and read it again from the start
    void recordsAppended(); // a refresh added records: recompute the boards of today
    void updateAllViews();  // the book changed: rebuild the chart
    // The file was refused: for a broken line, for want of memory, or as it failed while
    // being read.
    void rejected(const LoadResult& result);

private:
    void OnLoadBegun() override { emit loadBegun(); }
    void OnLoadStepped() override { emit loadStepped(); }
    void OnLoadEnded() override { emit loadEnded(); }
    // Stops following a broken file, drops what it held and says so.
    void Reject(const LoadResult& result);

    std::unique_ptr<CRecordBook> m_pBook = std::make_unique<CRecordBook>();
    mutable std::optional<CPracticeDays> m_PracticeDays; // none until asked for
    CRecordFile m_File;
};
