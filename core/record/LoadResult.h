#pragma once

// How loading a record file, or reading what was appended to it, ended.
enum class LoadOutcome
{
    Loaded,       // every whole record was read, or there was nothing new
    LineTooLong,  // a line longer than a record: no record file
    LineTooShort, // a line shorter than a record
    BadCategory,  // a line without a category mark
    BadFields,    // a line whose fields cannot be read
    OutOfMemory,  // no memory for the records
    ReadError,    // the file failed while being read
    OpenError,    // the file could not be opened at all
    NotRegular,   // a FIFO, a device or a folder: never opened
};

struct LoadResult
{
    LoadOutcome outcome = LoadOutcome::Loaded;
    int nLine = 0;  // the refused line, counted from 1 at the file's start; 0 when no line is to blame
    int nErrno = 0; // the system's reason for OpenError, when it gave one

    bool IsLoaded() const { return outcome == LoadOutcome::Loaded; }
    // The file itself could not be used (rather than a line of it, or the memory).
    bool IsFileFault() const
    {
        return outcome == LoadOutcome::ReadError || outcome == LoadOutcome::OpenError ||
               outcome == LoadOutcome::NotRegular;
    }
};

// The outcome of a line that CRecordBook::ParseLine refused with nCode.
LoadOutcome LineOutcome(int nCode);
