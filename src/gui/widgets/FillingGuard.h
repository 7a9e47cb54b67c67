#pragma once

// Raises a panel's "filling controls" flag for the life of the guard and restores the previous
// value after it: while the program itself fills the controls, their change handlers must not
// write back into the gallery.
class FillingGuard
{
public:
    explicit FillingGuard(bool &filling) : m_filling(filling), m_previous(filling) { m_filling = true; }
    ~FillingGuard() { m_filling = m_previous; }
    FillingGuard(const FillingGuard &) = delete;
    FillingGuard &operator=(const FillingGuard &) = delete;

private:
    bool &m_filling;
    bool m_previous;
};
