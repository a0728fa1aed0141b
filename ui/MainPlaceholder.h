#pragma once
#include <QWidget>

// Stand-in window until the real layout is in place.
class MainPlaceholder : public QWidget {
public:
    MainPlaceholder();
};
