#include "ModePanels.h"

#include "DictationTestPanel.h"
#include "FillInPanel.h"
#include "FreeSpellingPanel.h"
#include "ReadAfterPanel.h"
#include "RecallPanel.h"
#include "SentenceBrowsePanel.h"
#include "TextPagePanel.h"

namespace kelvaro {

namespace {

using PanelFactory = ModePanel* (*)(const TwipScale&, MainController&, QWidget*);

template <typename Panel>
ModePanel* make(const TwipScale& scale, MainController& controller, QWidget* parent)
{
    return new Panel(scale, controller, parent);
}

template <TextPagePanel::Page page>
ModePanel* makePage(const TwipScale& scale, MainController& controller, QWidget* parent)
{
    return new TextPagePanel(page, scale, controller, parent);
}

struct PanelRow
{
    Mode mode;
    PanelFactory make;
};

// Each tab's panel; the window's panels beside the mode table's rows.
constexpr PanelRow kPanelTable[] = {
    {Mode::FullText, makePage<TextPagePanel::Page::FullText>},
    {Mode::Translation, makePage<TextPagePanel::Page::Translation>},
    {Mode::SentenceBrowse, make<SentenceBrowsePanel>},
    {Mode::Recall, make<RecallPanel>},
    {Mode::ReadAfter, make<ReadAfterPanel>},
    {Mode::FillIn, make<FillInPanel>},
    {Mode::DictationTest, make<DictationTestPanel>},
    {Mode::FreeSpelling, make<FreeSpellingPanel>},
};

} // namespace

ModePanel* makeModePanel(Mode mode, const TwipScale& scale, MainController& controller,
                         QWidget* parent)
{
    for (const PanelRow& row : kPanelTable) {
        if (row.mode == mode)
            return row.make(scale, controller, parent);
    }
    return nullptr;
}

} // namespace kelvaro
