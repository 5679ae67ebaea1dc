#pragma once
#include <QSize>
#include <QWidget>
#include <memory>

class CAppSetting;
class CAppSettings;
class QAction;
class QMenu;
struct BOARDDATA;

// A floating, always-on-top window with the summary table of one period. It owns its
// content, keeps the title it got when it was opened, and cannot be resized, minimized or
// maximized. Closing it deletes it; whoever keeps a list of boards hears of it through
// closed(). Whenever it is destroyed it remembers its top-left for its slot in the settings.
class CNorv2Board : public QWidget
{
    Q_OBJECT

public:
    // pData's nSlot is already set; a null pData makes an empty board. The settings (font,
    // colours, rows, the slot's position) must outlive the board.
    CNorv2Board(std::unique_ptr<BOARDDATA> pData, CAppSettings& settings);
    ~CNorv2Board() override;

    const BOARDDATA& GetData() const { return *m_pData; }
    int GetSlot() const;

    // New figures for the same period and slot; the title stays what it was.
    void ReplaceData(std::unique_ptr<BOARDDATA> pData);

    // The client size the current font and row settings need.
    QSize GetClientSize() const;
    // The whole window's size: the client size and the window decoration around it.
    QSize GetBoardSize() const;
    // Takes on the client size of the current settings and repaints.
    void Relayout();

    // The table as assistive technology reads it: the title, then each shown row.
    QString GetTableText() const;

    // Puts the copy text on the clipboard; true when the clipboard holds it afterwards.
    bool CopyToClipboard();
    // The copy command: copies and tells the user how it went.
    void OnCopyCommand();

    // The board's menu: the copy command, a separator and 閉じる.
    void BuildContextMenu(QMenu& menu) const;
    QAction* GetCopyAction() const { return m_pCopyAction; }

signals:
    // Sent when the user closes the board, before it goes away.
    void closed(CNorv2Board* pBoard);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CAppSettings& m_settings;
    const CAppSetting& m_setting;
    std::unique_ptr<BOARDDATA> m_pData;
    QAction* m_pCopyAction = nullptr;
    QAction* m_pCloseAction = nullptr;
};
