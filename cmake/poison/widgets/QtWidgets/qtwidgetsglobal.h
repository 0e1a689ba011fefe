// Placed in front of Qt's headers for the libraries that hold logic (the
// data library and the subsystems' deciding code): logic must stay free of
// QtWidgets, so that it runs, and is tested, without windows.
#error "This library holds logic and must not include QtWidgets"
