Left = 10
