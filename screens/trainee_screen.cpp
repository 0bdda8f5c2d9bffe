#include "screens/trainee_screen.h"

#include "core/progress/class_database_texts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavelle {

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QLineEdit* field(const char* name, const std::string& value, QWidget* parent)
{
    auto* edit = new QLineEdit(text(value), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

}  // namespace

TraineeScreen::TraineeScreen(const Trainee& offered, QWidget* parent)
    : QDialog(parent)
    , m_surname(field("surname", offered.surname, this))
    , m_givenName(field("givenName", offered.givenName, this))
    , m_group(field("group", offered.group, this))
    , m_fault(new QLabel(this))
{
    const TraineeWindowTexts texts = traineeWindowTexts();
    setObjectName(QStringLiteral("TraineeScreen"));
    setWindowTitle(text(texts.title));
    auto* intro = new QLabel(text(texts.intro), this);
    intro->setWordWrap(true);
    m_fault->setObjectName(QStringLiteral("fault"));
    m_fault->setWordWrap(true);
    m_fault->hide();
    auto* form = new QFormLayout;
    form->addRow(text(texts.surname), m_surname);
    form->addRow(text(texts.givenName), m_givenName);
    form->addRow(text(texts.group), m_group);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* confirm = buttons->addButton(text(texts.confirm), QDialogButtonBox::AcceptRole);
    confirm->setObjectName(QStringLiteral("confirm"));
    confirm->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TraineeScreen::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_fault);
    layout->addWidget(buttons);
}

void TraineeScreen::accept()
{
    const auto checked =
        checkTrainee(m_surname->text().toStdString(), m_givenName->text().toStdString(), m_group->text().toStdString());
    if (const auto* fault = std::get_if<TraineeFault>(&checked)) {
        m_fault->setText(text(traineeFaultText(*fault)));
        m_fault->show();
        (*fault == TraineeFault::noGivenName                                                       ? m_givenName
         : *fault == TraineeFault::groupTooLong || *fault == TraineeFault::controlCharacterInGroup ? m_group
                                                                                                   : m_surname)
            ->setFocus();
        return;
    }
    m_trainee = std::get<Trainee>(checked);
    QDialog::accept();
}

}  // namespace tavelle
