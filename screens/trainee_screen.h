#pragma once

#include "core/practice/trainee.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace tavelle {

// Asks who practises: name, first name and group, offered as `offered` (the account's full name, or
// what was kept). Accepted only with a name the core takes; otherwise says why and stays open.
class TraineeScreen : public QDialog {
    Q_OBJECT
public:
    explicit TraineeScreen(const Trainee& offered, QWidget* parent = nullptr);

    // The trainee once accepted.
    const std::optional<Trainee>& trainee() const { return m_trainee; }

    void accept() override;

private:
    QLineEdit* m_surname;
    QLineEdit* m_givenName;
    QLineEdit* m_group;
    QLabel* m_fault;
    std::optional<Trainee> m_trainee;
};

}  // namespace tavelle
