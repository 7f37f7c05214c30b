#include "GameExecutive.h"

#include "CDicitionaryInterface.h"
#include "CSecretWord.h"
#include "IPlatformServices.h"

GameExecutive::GameExecutive(IPlatformServices &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    ui.setupUi(this);
}

GameExecutive::~GameExecutive() = default;
