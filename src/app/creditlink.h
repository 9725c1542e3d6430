// The maker's credit at the foot of the window: lblSite underlines itself and shows the
// helicopter pointer while the pointer is over it, and opens the maker's web site when clicked.
#pragma once

#include <QObject>

class Form1;

class CreditLink : public QObject {
    Q_OBJECT
public:
    explicit CreditLink(Form1& form);

private:
    void lblSite_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void Form_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);
    void lblSite_Click();

    Form1& f;
    bool m_pointerRead = false;
};
