# Logic of the application shell that needs no window.
