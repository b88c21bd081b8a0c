// Shared fixtures for the test programs live beside this file.
