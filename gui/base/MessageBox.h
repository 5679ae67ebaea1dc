#pragma once
#include <functional>
#include <string>

constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr int IDOK = 1;

struct MessageBoxCall
{
    unsigned nID;        // string-table ID, 0 for a text given directly
    std::string strText; // the text shown
    unsigned nType;      // MB_ flags, with the icon filled in
};

// Shows string nIDPrompt in a modal box captioned "Norv2"; returns the button pressed.
// Without an icon flag the box carries the exclamation icon. Where no window can be seen
// (the offscreen and minimal platforms) the text goes to standard error instead of a box
// that would wait for ever.
int AfxMessageBox(unsigned nIDPrompt, unsigned nType = MB_OK);
int AfxMessageBox(const std::string& strText, unsigned nType = MB_OK);

// The framework's report of running out of memory, shown before the message of the
// operation that ran out.
int ReportOutOfMemory();

// Tests replace the modal box with a recorder; an empty function restores the box.
using MessageBoxRecorder = std::function<int(const MessageBoxCall&)>;
void SetMessageBoxRecorder(MessageBoxRecorder recorder);
