#include "shell/practice_exercises.h"

#include "core/practice/practice_texts.h"
#include "format/json_writer.h"
#include "format/random_exercises.h"

#include <random>
#include <utility>

namespace tavelle {

PracticeExercises::PracticeExercises(std::vector<ExerciseInput> exercises, QString source)
    : m_exercises(std::move(exercises))
    , m_source(std::move(source))
{
}

void PracticeExercises::advance()
{
    ++m_number;
    if (m_next < m_exercises.size()) {
        m_current = m_exercises[m_next++];
        m_seed.reset();
        return;
    }
    // Past the file's last exercise, or without a file: a new draw.
    const std::uint64_t seed = (static_cast<std::uint64_t>(std::random_device{}()) << 32) ^ std::random_device{}();
    m_current = RandomExercises(seed).next();
    m_seed = seed;
}

SetExercise PracticeExercises::current() const
{
    JsonWriter json;
    writeExercise(json, m_current);
    return {m_current, std::move(json.text()), exerciseHeading(m_number, m_exercises.size(), m_seed), m_seed,
            m_source.toStdString()};
}

}  // namespace tavelle
