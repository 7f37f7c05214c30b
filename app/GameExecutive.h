#pragma once

#include "GameExecutiveLayout.h"

#include <QString>
#include <QWidget>

#include <memory>

class CDicitionaryInterface;
class CSecretWord;
class IPlatformServices;

// The game's one window and the logic behind it.
class GameExecutive : public QWidget
{
    Q_OBJECT

public:
    explicit GameExecutive(IPlatformServices &services, QWidget *parent = nullptr);
    ~GameExecutive() override;

    const GameExecutiveLayout &controls() const { return ui; }

    qint16 level() const { return m_level; }
    QString playerName() const { return m_playerName; }
    qint16 rightGuesses() const { return m_rightGuesses; }
    qint16 wrongGuesses() const { return m_wrongGuesses; }
    std::shared_ptr<const CSecretWord> secretWord() const { return m_secretWord; }

private:
    IPlatformServices &m_services;
    GameExecutiveLayout ui;

    std::unique_ptr<CDicitionaryInterface> m_dictionary;
    std::shared_ptr<CSecretWord> m_secretWord;
    qint16 m_level = 0;
    QString m_playerName;
    qint16 m_rightGuesses = 0;
    qint16 m_wrongGuesses = 0;
};
