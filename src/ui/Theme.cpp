#include "Theme.h"

namespace kelvaro::theme {

const char* styleSheet()
{
    return R"(
QWidget#MainWindow { background: #e9eef3; }
QTreeView#TreeView1 {
    background: #ffffff; border: 1px solid #c9d3de; border-radius: 6px; padding: 4px;
    font-size: 10pt; color: #222b36; outline: 0;
}
QTreeView#TreeView1::item { padding: 3px 2px; border-radius: 4px; }
QTreeView#TreeView1::item:selected { background: #2f7fb5; color: white; }
QTreeView#TreeView1::item:hover:!selected { background: #dceaf6; }
QFrame.Panel { background: #f7f8fa; border: 1px solid #c9d3de; border-radius: 8px; }
QFrame.Page { background: #ffffff; border: 1px solid #d5dde6; border-radius: 4px; }
QPushButton.Command {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e8eef4);
    border: 1px solid #b7c4d2; border-radius: 5px; padding: 3px 12px; color: #222b36; font-size: 10pt;
}
QPushButton.Command:hover { border-color: #2f7fb5; background: #f2f7fc; }
QPushButton.Command:pressed { background: #dceaf6; }
QPushButton.Command:disabled { color: #a7b1bc; border-color: #d5dde6; background: #f3f5f7; }
QLabel.Caption { color: #222b36; font-size: 10pt; }
QLabel.Muted { color: #6b7785; font-size: 9.5pt; }
QLabel#VoiceScoreLabel { color: #222b36; font-size: 26pt; font-weight: bold; }
QLabel#VoiceScoreLabel[empty="true"] { color: #c9d3de; font-weight: normal; }
QLabel#VoiceScoreUnitLabel { padding-bottom: 4px; }
QLabel.LessonTitle { color: #2b4c6f; font-size: 12pt; font-weight: bold; }
QPlainTextEdit#SenNoteText {
    background: #fffdf3; border: 1px solid #e3d9a8; border-radius: 4px; color: #4a4230; font-size: 10.5pt;
}
QLabel#NoneNoteLabel { color: #a39467; font-size: 10pt; background: #fffdf3;
    border: 1px dashed #e3d9a8; border-radius: 4px; }
QMenu { background: #ffffff; border: 1px solid #c9d3de; padding: 4px; font-size: 10pt; color: #222b36; }
QMenu::item { padding: 4px 22px 4px 24px; border-radius: 4px; }
QMenu::item:selected { background: #2f7fb5; color: white; }
QMenu::separator { height: 1px; background: #e1e7ee; margin: 4px 6px; }
)";
}

} // namespace kelvaro::theme
