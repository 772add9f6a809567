namespace norvik {}
