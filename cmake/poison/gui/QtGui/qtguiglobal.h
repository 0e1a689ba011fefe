// Placed in front of Qt's headers for the data library only: the data
// library must stay free of QtGui, so that its logic runs without a GUI.
#error "The data library (rozvahon_data) must not include QtGui"
