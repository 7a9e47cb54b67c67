#include "AddImagesDialog.h"

#include "ImageResizeSettings.h"
#include "MessageBox.h"
#include "SettingsStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

std::optional<AddImagesDialog::Choice> AddImagesDialog::s_nextAnswer;

AddImagesDialog::AddImagesDialog(QWidget *parent, SettingsStore *store) : QDialog(parent), m_store(store)
{
    if (!m_store) {
        m_ownStore = std::make_unique<SettingsStore>();
        m_store = m_ownStore.get();
    }
    setObjectName(u"AddImagesDialog"_s);
    setWindowTitle(u"Add Images"_s);
    setFixedSize(303, 245);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createChoiceGroup());
    layout->addWidget(createResizeGroup());

    connect(m_addImagesButton, &QPushButton::clicked, this, [this] { pick(true); });
    connect(m_addFolderButton, &QPushButton::clicked, this, [this] { pick(false); });

    restoreSettings();
    // The entry in effect at start applies without the warning: the dialog is not on screen.
    applyEntry(resizeEntry());
    connect(m_resizeList, &QComboBox::currentTextChanged, this, [this](const QString &entry) {
        applyEntry(entry);
        storeSettings();
    });
}

QWidget *AddImagesDialog::createChoiceGroup()
{
    auto *addGroup = new QGroupBox(u"Add Images"_s, this);
    auto *addLayout = new QVBoxLayout(addGroup);
    auto *question = new QLabel(u"Do you want to add individual images or a whole folder?"_s, addGroup);
    question->setWordWrap(true);
    addLayout->addWidget(question);
    auto *buttons = new QHBoxLayout;
    m_addImagesButton = new QPushButton(u"Add Images"_s, addGroup);
    m_addImagesButton->setDefault(true);
    m_addImagesButton->setAutoDefault(true);
    m_addFolderButton = new QPushButton(u"Add a Folder"_s, addGroup);
    m_addFolderButton->setAutoDefault(false);
    buttons->addWidget(m_addImagesButton);
    buttons->addWidget(m_addFolderButton);
    addLayout->addLayout(buttons);
    return addGroup;
}

QWidget *AddImagesDialog::createResizeGroup()
{
    auto *resizeGroup = new QGroupBox(u"Resize Options"_s, this);
    auto *resizeLayout = new QVBoxLayout(resizeGroup);
    auto *note = new QLabel(u"Large photos are scaled down so that your gallery uploads and loads faster."_s, resizeGroup);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    resizeLayout->addWidget(note);
    resizeLayout->addWidget(new QLabel(u"What size do you want them to be resized to?"_s, resizeGroup));
    m_resizeList = new QComboBox(resizeGroup);
    m_resizeList->setEditable(false);
    m_resizeList->addItems(ImageResizeSettings::chooserEntries());
    resizeLayout->addWidget(m_resizeList);
    return resizeGroup;
}

AddImagesDialog::~AddImagesDialog() = default;

// The settings group that stored settings already use; kept as it is so they still apply.
const QString StoredSettingsGroup = u"\\TwImageChooser"_s;

QString AddImagesDialog::settingsKey()
{
    return SettingsStore::WindowSettingsKey + StoredSettingsGroup;
}

void AddImagesDialog::setNextAnswer(Choice choice)
{
    s_nextAnswer = choice;
}

void AddImagesDialog::restoreSettings()
{
    const QString key = settingsKey();
    const QString saved = m_store->readString(key, u"ResizeEntry"_s);
    int index = m_resizeList->findText(saved);
    if (saved.isEmpty() || index < 0)
        index = m_resizeList->findText(ImageResizeSettings::defaultEntry());
    m_resizeList->setCurrentIndex(index);
    if (m_store->valueExists(key, u"Left"_s) && m_store->valueExists(key, u"Top"_s)) {
        move(m_store->readInt(key, u"Left"_s, 0), m_store->readInt(key, u"Top"_s, 0));
        m_restoredPlace = true;
    }
}

void AddImagesDialog::storeSettings()
{
    const QString key = settingsKey();
    m_store->writeString(key, u"ResizeEntry"_s, resizeEntry());
    m_store->writeInt(key, u"Left"_s, pos().x());
    m_store->writeInt(key, u"Top"_s, pos().y());
    m_store->writeInt(key, u"Width"_s, width());
    m_store->writeInt(key, u"Height"_s, height());
    m_store->sync();
}

QString AddImagesDialog::resizeEntry() const
{
    return m_resizeList->currentText();
}

void AddImagesDialog::setResizeEntry(const QString &entry)
{
    const int index = m_resizeList->findText(entry);
    if (index >= 0)
        m_resizeList->setCurrentIndex(index);
}

void AddImagesDialog::applyEntry(const QString &entry)
{
    const auto effect = ImageResizeSettings::instance().applyEntry(entry);
    if (effect == ImageResizeSettings::EntryEffect::NoResize && isVisible()) {
        raise();
        activateWindow();
        MessageBox::warning(this, u"WARNING!"_s, u"This may greatly increase the time it takes to load your photos!"_s);
    }
}

bool AddImagesDialog::execute(QWidget *over)
{
    m_chosen = false;
    if (s_nextAnswer) {
        const Choice answer = *s_nextAnswer;
        s_nextAnswer.reset();
        if (answer != Choice::None)
            pick(answer == Choice::Images);
        return m_chosen;
    }
    if (over && !m_restoredPlace) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    exec();
    return m_chosen;
}

void AddImagesDialog::showEvent(QShowEvent *event)
{
    m_chosen = false;
    m_addImagesButton->setFocus();
    QDialog::showEvent(event);
}

void AddImagesDialog::keyPressEvent(QKeyEvent *event)
{
    // Esc stands for "Add a Folder", as that button is the dialog's cancel button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        pick(false);
        return;
    }
    QDialog::keyPressEvent(event);
}

void AddImagesDialog::pick(bool individualFiles)
{
    m_chosen = true;
    m_individualFiles = individualFiles;
    if (isVisible())
        accept();
}

void AddImagesDialog::done(int result)
{
    if (isVisible())
        storeSettings();
    QDialog::done(result);
}
