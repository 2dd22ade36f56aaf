#include "ShellFixture.h"

#include "LessonTexts.h"

#include "app/StartUp.h"

namespace kelvaro {

ShellFixture::ShellFixture() = default;

MainContext& ShellFixture::context()
{
    if (!m_context)
        restart();
    return *m_context;
}

MainContext& ShellFixture::restart()
{
    // The old context's timers stay with the factory; they must never call into it again.
    for (const auto& timer : timers.timers()) {
        timer->setEnabled(false);
        timer->setHandler({});
    }
    // Nor may the old context's background work, nor the recorder's news of its inputs.
    background.clear();
    recorder.setInputsChangedHandler({});
    m_context.reset();
    m_context = std::make_unique<MainContext>(
        folder.root(), Ports{timers, lessonPlayer, wordPlayer, dialogs, desktop, screen, measurer,
                             recorder, feedback, background});
    return *m_context;
}

bool ShellFixture::startUp()
{
    return kelvaro::startUp(context());
}

bool ShellFixture::writeSettings(const Settings& settings)
{
    return folder.writeCp936(QStringLiteral("SETTING/Set.dat"), formatSettings(settings));
}

bool ShellFixture::writeSettings(const Settings& settings, const QMap<int, QString>& stored)
{
    QStringList values = cutSettingsValues(formatSettings(settings));
    for (auto value = stored.begin(); value != stored.end(); ++value)
        values[value.key() - 1] = value.value();
    return folder.writeCp936(QStringLiteral("SETTING/Set.dat"), values.join(u'/') + u'/');
}

bool ShellFixture::writeLesson(int lessonNumber, const QString& text)
{
    return folder.writeCp936(QStringLiteral("Book/Kelvaro/%1.dat").arg(lessonNumber), text);
}

bool ShellFixture::writeBookList(const QStringList& names)
{
    return folder.writeCp936(QStringLiteral("SETTING/BookList/Kelvaro.dat"), bookListText(names));
}

QString ShellFixture::lessonPath(int lessonNumber) const
{
    return folder.path(QStringLiteral("Book/Kelvaro/%1.dat").arg(lessonNumber));
}

} // namespace kelvaro
