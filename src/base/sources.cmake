# src/base holds the interfaces every layer shares (errors, dialogs, the
# machine's environment, the desktop), in headers only; nothing here includes
# another folder of the program.
