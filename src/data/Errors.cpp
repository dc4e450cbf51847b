#include "data/Errors.h"

MirelonError::MirelonError(const QString &message, const QString &place)
    : std::runtime_error(message.toUtf8().toStdString()), m_message(message), m_place(place)
{}
