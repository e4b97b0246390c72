#include "endpoint.h"

Endpoint::Endpoint(QObject* parent) : BaseObject(parent) {}

Endpoint::~Endpoint() = default;

bool Endpoint::open()
{
    m_actived = true;
    return true;
}

void Endpoint::close()
{
    m_actived = false;
}

void Endpoint::opened()
{
    emit deviceOpened();
}

void Endpoint::closed()
{
    emit deviceClosed();
}
