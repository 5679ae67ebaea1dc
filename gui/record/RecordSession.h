#pragma once
#include <QObject>
#include <QString>

#include "core/record/LoadResult.h"

class CAppSettings;
class CNorv2Doc;

// How opening a record file went.
enum class OpenOutcome
{
    Opened,     // loaded whole
    Rejected,   // opened, then refused and reported
    Unreadable, // no regular file that can be read: the open file stays as it was
};

// The open record file: opens it, keeps the settings' user and folder in step with it and
// tells the user when it is refused. The windows follow it through its signals, all sent
// synchronously.
class CRecordSession : public QObject
{
    Q_OBJECT

public:
    // Neither is owned; both must outlive the session.
    CRecordSession(CNorv2Doc& doc, CAppSettings& settings);

    CNorv2Doc& GetDocument() const { return m_doc; }
    // A file named on the command line or remembered (a name as FileNameToQString gives
    // it): one that cannot be read is passed over silently, and the remembered user forgotten.
    OpenOutcome OpenNamed(const QString& strPath);
    // A file the user chose: one that cannot be read is reported.
    OpenOutcome OpenChosen(const QString& strPath);
    // Where the user's record files are: the open file's folder, else the remembered one;
    // empty when there is neither.
    QString RecordFolder() const;

signals:
    void opening(); // a file is about to be loaded: the chart shown so far is void
    // The file was loaded whole (its absolute path); the settings name its user and folder.
    void opened(const QString& strPath);
    void reloaded(); // a refresh found the file replaced and read it again from the start
    void appended(); // a refresh added records
    // The file was refused and the user told why; the settings name no user.
    void rejected(LoadOutcome outcome);

private:
    OpenOutcome Open(const QString& strPath);
    void OnOpened(const QString& strPath);
    void OnRejected(const LoadResult& result);
    void ForgetUser();

    CNorv2Doc& m_doc;
    CAppSettings& m_settings;
};
