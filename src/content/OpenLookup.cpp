#include "OpenLookup.h"

namespace kelvaro {

LookupResult lookUpWithOpen(const Dictionary& folder, const OpenDictionary& open, QStringView word)
{
    LookupResult result = folder.lookUpWord(word);
    if (result.found || word.trimmed().isEmpty() || open.isEmpty())
        return result;
    const QStringList forms = open.baseForms(word);
    for (const QString& form : forms) {
        if (form.compare(word, Qt::CaseInsensitive) == 0)
            continue;
        LookupResult base = folder.lookUpWord(form);
        if (base.found) {
            base.viaSuffixRule = true; // found through another form, as a suffix rule finds it
            return base;
        }
    }
    if (forms.isEmpty())
        return result;
    const std::optional<OpenEntry> entry = open.entry(forms.front());
    if (!entry)
        return result;
    LookupResult found;
    found.found = true;
    found.openEntry = true;
    found.viaSuffixRule = entry->baseForm.compare(word, Qt::CaseInsensitive) != 0;
    found.headword = entry->baseForm;
    found.meaning = openMeaningText(*entry);
    return found;
}

} // namespace kelvaro
