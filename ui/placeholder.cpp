// The windows are added here.
