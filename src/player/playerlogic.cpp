#include "player/playerlogic.h"

namespace solvaro {

PlayerLogic::PlayerLogic(PlayerView &view)
    : m_media(view)
    , m_steps(m_scheme, m_formulas, m_media, view)
    , m_ticker(m_steps, m_media, view)
{
}

void PlayerLogic::setEditMode(bool editMode)
{
    m_editMode = editMode;
    m_steps.setEditMode(editMode);
}

void PlayerLogic::setDecimalSeparator(QChar separator)
{
    m_steps.setDecimalSeparator(separator);
}

void PlayerLogic::setRandom(std::function<int(int bound)> random)
{
    m_steps.setRandom(std::move(random));
}

void PlayerLogic::setQuestionGroupLoader(std::function<QuestionGroup(int step)> loader)
{
    m_steps.setQuestionGroupLoader(std::move(loader));
}

void PlayerLogic::prepareSheet(const Scheme &scheme)
{
    m_scheme = scheme;
    m_media.flags() = FeedbackFlags {};
    m_formulas.build(m_scheme.formulaKinds, m_scheme.formulaPatterns, m_editMode);
    m_formulas.layout(m_scheme.stepKinds, m_scheme.stepTops);
    m_steps.prepareSheet();
}

void PlayerLogic::GIFinit(const QStringList &previewGifPaths)
{
    if (m_editMode)
        m_preview.start(previewGifPaths);
    m_media.CreaGIF(QStringLiteral("GIF5"));
}

void PlayerLogic::tick()
{
    if (m_editMode)
        m_preview.tick(m_media);
    else
        m_ticker.tick();
}

bool PlayerLogic::stopCountdown()
{
    m_media.flags().soundTicks = 0;
    return !m_media.flags().anyFlagSet();
}

} // namespace solvaro
