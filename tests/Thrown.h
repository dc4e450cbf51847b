#pragma once

#include <QString>

// The message of the error of type E that `act` throws, or an empty text when it throws none:
// compared with an expected message, a missing error fails the comparison as a wrong one does.
template <class E, class Act> QString thrownMessage(Act &&act)
{
    try {
        act();
    } catch (const E &error) {
        return error.message();
    }
    return {};
}
